#pragma once

#include "store/CppSQLite3Exception.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>

// Runs statement, expecting the layer's exception with exactly this code and message.
#define EXPECT_SQL_ERROR(statement, expectedCode, expectedMessage)                                 \
    try {                                                                                          \
        statement;                                                                                 \
        ADD_FAILURE() << "no exception from " #statement;                                          \
    } catch (const CppSQLite3Exception& e) {                                                       \
        EXPECT_EQ(e.code(), expectedCode) << #statement;                                           \
        EXPECT_STREQ(e.message(), expectedMessage) << #statement;                                  \
    }

// Plain SQLite, behind the layer's back: the first column of the first row, "<none>" without.
inline std::string readBack(const std::string& path, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_stmt* stmt = nullptr;
    std::string result = "<none>";
    sqlite3_open(path.c_str(), &db);
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW)
        result.assign(static_cast<const char*>(sqlite3_column_blob(stmt, 0)),
                      static_cast<size_t>(sqlite3_column_bytes(stmt, 0)));
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return result;
}
