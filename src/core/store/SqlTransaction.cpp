#include "core/store/SqlTransaction.h"

#include "core/store/CppSQLite3Exception.h"
#include "core/store/SqlDatabase.h"

SqlTransaction::SqlTransaction(SqlDatabase& db, const char* begin) : m_db(db) {
    m_db.execute(begin);
}

SqlTransaction::~SqlTransaction() {
    if (!m_open)
        return;
    try {
        m_db.execute("ROLLBACK");
    } catch (const CppSQLite3Exception&) {
        // SQLite may have ended the transaction with the failure already.
    }
}

void SqlTransaction::commit() {
    m_db.execute("COMMIT");
    m_open = false;
}
