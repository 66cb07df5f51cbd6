#include "core/store/SqlBuffer.h"
#include "core/store/SqlQuote.h"
#include "support/RawSqlite.h"
#include "support/SqlErrors.h"

#include <optional>
#include <sqlite3.h>

TEST(CppSQLite3Exception, FormatsNameCodeAndDetailAndCopiesOwnIt) {
    EXPECT_STREQ(CppSQLite3Exception(101, "x").message(), "SQLITE_DONE[101]: x");
    // Without a detail, SQLite's words for the code.
    EXPECT_STREQ(CppSQLite3Exception(26, nullptr).what(),
                 "UNKNOWN_ERROR[26]: file is not a database");
    EXPECT_STREQ(CppSQLite3Exception::codeName(-1), "UNKNOWN_ERROR");
    std::optional<CppSQLite3Exception> original(std::in_place, 1000, "100% %s");
    CppSQLite3Exception copy(*original), assigned(5, "");
    assigned = *original;
    original.reset(); // the copies must not point into the released text
    EXPECT_STREQ(copy.message(), "CPPSQLITE_ERROR[1000]: 100% %s");
    EXPECT_STREQ(assigned.message(), copy.message());
    EXPECT_EQ(assigned.code(), 1000);
}

TEST(SqlBuffer, FormatsWithSqliteQuotingAndReportsFailure) {
    SqlBuffer sql;
    sql.format("VALUES(%Q, %Q, '%q', %d)", "it's", nullptr, "a'b", 7);
    EXPECT_STREQ(sql, "VALUES('it''s', NULL, 'a''b', 7)");
    sql.clear();
    EXPECT_EQ(sql.c_str(), nullptr);

    // A null text would run as an empty statement and look like success.
    const std::string big(1 << 20, 'a');
    const sqlite3_int64 previous = sqlite3_hard_heap_limit64(-1);
    sqlite3_hard_heap_limit64(sqlite3_memory_used() + 64 * 1024);
    EXPECT_SQL_ERROR(sql.format("%s", big.c_str()), 1000,
                     "CPPSQLITE_ERROR[1000]: Cannot allocate memory");
    sqlite3_hard_heap_limit64(previous);
}

TEST(SqlQuote, DoublesApostrophesSoSqliteReadsTheTextBack) {
    EXPECT_EQ(SqlQuote("O'Brien's ''diary'"), "O''Brien''s ''''diary''");
    const std::string hostile = "x'); DROP TABLE t; --'";
    EXPECT_EQ(rawQuery(":memory:", "SELECT '" + SqlQuote(hostile) + "'").at(0).at(0), hostile);
}
