#include "core/store/CppSQLite3Exception.h"

#include <sqlite3.h>

#include <iterator>

namespace {

// Names for codes 0..25. Later SQLite codes such as 26 (not a database) have never had a name
// here and print as UNKNOWN_ERROR; callers match on the number, not the name.
const char* const kSqliteCodeNames[] = {
    "SQLITE_OK",       "SQLITE_ERROR",   "SQLITE_INTERNAL", "SQLITE_PERM",     "SQLITE_ABORT",
    "SQLITE_BUSY",     "SQLITE_LOCKED",  "SQLITE_NOMEM",    "SQLITE_READONLY", "SQLITE_INTERRUPT",
    "SQLITE_IOERR",    "SQLITE_CORRUPT", "SQLITE_NOTFOUND", "SQLITE_FULL",     "SQLITE_CANTOPEN",
    "SQLITE_PROTOCOL", "SQLITE_EMPTY",   "SQLITE_SCHEMA",   "SQLITE_TOOBIG",   "SQLITE_CONSTRAINT",
    "SQLITE_MISMATCH", "SQLITE_MISUSE",  "SQLITE_NOLFS",    "SQLITE_AUTH",     "SQLITE_FORMAT",
    "SQLITE_RANGE",
};

char* duplicate(const char* text) {
    return text ? sqlite3_mprintf("%s", text) : nullptr;
}

// Without a detail of its own, an SQLite code still says what it means in words.
const char* detailOr(int code, const char* detail) {
    if (detail && *detail)
        return detail;
    return code == CppSQLite3Exception::kLayerError ? "" : sqlite3_errstr(code);
}

} // namespace

CppSQLite3Exception::CppSQLite3Exception(int code, const char* detail)
    : m_code(code),
      m_message(sqlite3_mprintf("%s[%d]: %s", codeName(code), code, detailOr(code, detail))) {}

CppSQLite3Exception::CppSQLite3Exception(const CppSQLite3Exception& other)
    : std::exception(other), m_code(other.m_code), m_message(duplicate(other.m_message)) {}

CppSQLite3Exception& CppSQLite3Exception::operator=(const CppSQLite3Exception& other) {
    if (this != &other) {
        char* copy = duplicate(other.m_message);
        sqlite3_free(m_message);
        m_message = copy;
        m_code = other.m_code;
    }
    return *this;
}

CppSQLite3Exception::~CppSQLite3Exception() {
    sqlite3_free(m_message);
}

CppSQLite3Exception CppSQLite3Exception::adoptingSqliteText(int code, char* sqliteText) {
    CppSQLite3Exception e(code, sqliteText);
    sqlite3_free(sqliteText);
    return e;
}

const char* CppSQLite3Exception::message() const noexcept {
    return m_message ? m_message : "";
}

const char* CppSQLite3Exception::codeName(int code) {
    constexpr int count = static_cast<int>(std::size(kSqliteCodeNames));
    if (code >= 0 && code < count)
        return kSqliteCodeNames[code];
    if (code > 0xFF && code != kLayerError) // an extended code is named by its primary one
        return codeName(code & 0xFF);
    switch (code) {
    case SQLITE_ROW:
        return "SQLITE_ROW";
    case SQLITE_DONE:
        return "SQLITE_DONE";
    case kLayerError:
        return "CPPSQLITE_ERROR";
    default:
        return "UNKNOWN_ERROR";
    }
}
