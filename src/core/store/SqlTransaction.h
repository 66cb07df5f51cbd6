#pragma once

class SqlDatabase;

// A transaction on the connection, rolled back unless committed: a failure part way leaves
// the file as it was. Raises CppSQLite3Exception when it cannot begin or commit.
class SqlTransaction {
public:
    explicit SqlTransaction(SqlDatabase& db, const char* begin = "BEGIN");
    SqlTransaction(const SqlTransaction&) = delete;
    SqlTransaction& operator=(const SqlTransaction&) = delete;
    ~SqlTransaction();

    // On failure the transaction stays open, so the destructor rolls it back.
    void commit();
    SqlDatabase& database() { return m_db; }

private:
    SqlDatabase& m_db;
    bool m_open = true;
};
