#include "core/store/SqlQuery.h"

#include "core/store/CppSQLite3Exception.h"

#include <sqlite3.h>

#include <cstring>

SqlQuery::SqlQuery() = default;

SqlQuery::SqlQuery(sqlite3* db, sqlite3_stmt* statement, bool eof)
    : m_db(db), m_statement(statement), m_eof(eof),
      m_numFields(statement ? sqlite3_column_count(statement) : 0),
      m_ownsStatement(statement != nullptr) {}

SqlQuery::SqlQuery(SqlQuery&& other) noexcept
    : m_db(other.m_db), m_statement(other.m_statement), m_eof(other.m_eof),
      m_numFields(other.m_numFields), m_ownsStatement(other.m_ownsStatement) {
    other.m_statement = nullptr;
    other.m_ownsStatement = false;
    other.m_eof = true;
}

SqlQuery& SqlQuery::operator=(SqlQuery&& other) noexcept {
    if (this != &other) {
        release(nullptr); // the target's own error no longer matters to anyone
        m_db = other.m_db;
        m_statement = other.m_statement;
        m_eof = other.m_eof;
        m_numFields = other.m_numFields;
        m_ownsStatement = other.m_ownsStatement;
        other.m_statement = nullptr;
        other.m_ownsStatement = false;
        other.m_eof = true;
    }
    return *this;
}

SqlQuery::~SqlQuery() {
    release(nullptr);
}

int SqlQuery::release(std::string* errorText) {
    sqlite3_stmt* statement = m_statement;
    const bool owned = m_ownsStatement;
    m_statement = nullptr;
    m_ownsStatement = false;
    m_eof = true;
    if (!statement || !owned)
        return SQLITE_OK;
    if (errorText) {
        const char* text = sqlite3_errmsg(m_db);
        errorText->assign(text ? text : "");
    }
    return sqlite3_finalize(statement);
}

void SqlQuery::checkStatement() const {
    if (!m_statement)
        throw CppSQLite3Exception(CppSQLite3Exception::kLayerError, "Null Virtual Machine pointer");
}

void SqlQuery::checkIndex(int index) const {
    checkStatement();
    if (index < 0 || index > m_numFields - 1)
        throw CppSQLite3Exception(CppSQLite3Exception::kLayerError,
                                  "Invalid field index requested");
}

int SqlQuery::numFields() const {
    return m_numFields;
}

bool SqlQuery::eof() const {
    return m_eof;
}

void SqlQuery::nextRow() {
    checkStatement();
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_DONE) {
        m_eof = true;
    } else if (rc == SQLITE_ROW) {
        m_eof = false;
    } else {
        std::string detail;
        const int finalRc = release(&detail);
        throw CppSQLite3Exception(finalRc, detail.c_str());
    }
}

void SqlQuery::finalize() {
    std::string detail;
    const int rc = release(&detail);
    if (rc != SQLITE_OK)
        throw CppSQLite3Exception(rc, detail.c_str());
}

int SqlQuery::fieldIndex(const char* name) const {
    checkStatement();
    if (name) {
        for (int i = 0; i < m_numFields; ++i) {
            const char* column = sqlite3_column_name(m_statement, i);
            if (column && std::strcmp(column, name) == 0)
                return i;
        }
    }
    throw CppSQLite3Exception(CppSQLite3Exception::kLayerError, "Invalid field name requested");
}

const char* SqlQuery::fieldName(int index) const {
    checkIndex(index);
    return sqlite3_column_name(m_statement, index);
}

int SqlQuery::fieldType(int index) const {
    checkIndex(index);
    return sqlite3_column_type(m_statement, index);
}

const char* SqlQuery::fieldValue(int index) const {
    checkIndex(index);
    return reinterpret_cast<const char*>(sqlite3_column_text(m_statement, index));
}

const char* SqlQuery::fieldValue(const char* name) const {
    return fieldValue(fieldIndex(name));
}

int SqlQuery::intField(int index, int nullValue) const {
    if (fieldType(index) == SQLITE_NULL)
        return nullValue;
    return sqlite3_column_int(m_statement, index);
}

int SqlQuery::intField(const char* name, int nullValue) const {
    return intField(fieldIndex(name), nullValue);
}

std::string SqlQuery::textField(int index, const char* nullValue) const {
    if (fieldType(index) == SQLITE_NULL)
        return nullValue ? nullValue : "";
    const unsigned char* text = sqlite3_column_text(m_statement, index);
    if (!text)
        return {};
    // Length from SQLite so that a value with an embedded zero byte is not cut short.
    return std::string(reinterpret_cast<const char*>(text),
                       static_cast<size_t>(sqlite3_column_bytes(m_statement, index)));
}

std::string SqlQuery::textField(const char* name, const char* nullValue) const {
    return textField(fieldIndex(name), nullValue);
}

bool SqlQuery::boolField(int index, bool nullValue) const {
    // Only a stored 1 is true; a NULL maps to 1 or 0 so that it reads as the given value.
    return intField(index, nullValue ? 1 : 0) == 1;
}

bool SqlQuery::boolField(const char* name, bool nullValue) const {
    return boolField(fieldIndex(name), nullValue);
}

bool SqlQuery::isNull(int index) const {
    return fieldType(index) == SQLITE_NULL;
}

bool SqlQuery::isNull(const char* name) const {
    return isNull(fieldIndex(name));
}
