#pragma once

#include <string>

struct sqlite3;
struct sqlite3_stmt;

// A forward-only cursor over the rows of one prepared statement. Exactly one cursor owns a
// statement: moving hands it over, and only the owner finalizes it.
class SqlQuery {
public:
    SqlQuery();
    SqlQuery(SqlQuery&& other) noexcept;
    SqlQuery& operator=(SqlQuery&& other) noexcept;
    SqlQuery(const SqlQuery&) = delete;
    SqlQuery& operator=(const SqlQuery&) = delete;
    ~SqlQuery();

    int numFields() const;
    bool eof() const;
    void nextRow();
    void finalize();

    int fieldIndex(const char* name) const;
    const char* fieldName(int index) const;
    int fieldType(int index) const;

    const char* fieldValue(const char* name) const; // nullptr for NULL
    const char* fieldValue(int index) const;
    int intField(int index, int nullValue = 0) const;
    int intField(const char* name, int nullValue = 0) const;
    std::string textField(int index, const char* nullValue = "") const;
    std::string textField(const char* name, const char* nullValue = "") const;
    bool boolField(int index, bool nullValue = false) const;
    bool boolField(const char* name, bool nullValue = false) const;
    bool isNull(const char* name) const;
    bool isNull(int index) const;

private:
    friend class SqlDatabase;
    SqlQuery(sqlite3* db, sqlite3_stmt* statement, bool eof);

    void checkStatement() const;
    void checkIndex(int index) const;
    // Finalizes the owned statement and forgets it; returns finalize's result and, when that
    // is an error, the connection's message (taken first: finalizing may free a closed
    // connection).
    int release(std::string* errorText);

    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_statement = nullptr;
    bool m_eof = true;
    int m_numFields = 0;
    bool m_ownsStatement = false;
};
