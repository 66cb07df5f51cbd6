#include "support/RawSqlite.h"

#include <fstream>
#include <iterator>
#include <sqlite3.h>
#include <stdexcept>

namespace {

struct Connection {
    sqlite3* db = nullptr;
    explicit Connection(const std::string& path) {
        if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            throw std::runtime_error("cannot open " + path);
    }
    ~Connection() { sqlite3_close(db); }
};

} // namespace

std::vector<RawRow> rawQuery(const std::string& path, const std::string& sql) {
    Connection c(path);
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(c.db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string("prepare failed: ") + sqlite3_errmsg(c.db));
    std::vector<RawRow> rows;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        RawRow row;
        for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
            const bool null = sqlite3_column_type(stmt, i) == SQLITE_NULL; // asked before reading
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
            row.push_back(null ? RawValue()
                               : std::string(text, size_t(sqlite3_column_bytes(stmt, i))));
        }
        rows.push_back(std::move(row));
    }
    sqlite3_finalize(stmt);
    return rows;
}

void rawExec(const std::string& path, const std::string& sql) {
    Connection c(path);
    char* error = nullptr;
    if (sqlite3_exec(c.db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::string message = error ? error : "exec failed";
        sqlite3_free(error);
        throw std::runtime_error(message);
    }
}

std::string rawValue(const std::string& path, const std::string& sql) {
    const std::vector<RawRow> rows = rawQuery(path, sql);
    return rows.empty() || rows[0].empty() ? "<no row>" : rows[0][0].value_or("<NULL>");
}

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
