#include "store/EntryRowIds.h"

#include "store/CppSQLite3Exception.h"
#include "store/SqlBuffer.h"
#include "store/SqlDatabase.h"
#include "store/SqlQuery.h"

#include <cstdlib>

namespace {

// The id column keeps the type of Entry.EntryID, so equality compares as it does there.
constexpr const char* kAttachStatements[] = {
    "CREATE TEMP TABLE IF NOT EXISTS quillbook_entry_rows (EntryID CHAR(40), rid INTEGER)",
    "CREATE INDEX IF NOT EXISTS temp.quillbook_entry_rows_id ON quillbook_entry_rows (EntryID)",
    "CREATE TEMP TRIGGER IF NOT EXISTS quillbook_rows_inserted AFTER INSERT ON main.Entry BEGIN "
    "INSERT INTO quillbook_entry_rows VALUES (new.EntryID, new.rowid); END",
    "CREATE TEMP TRIGGER IF NOT EXISTS quillbook_rows_deleted AFTER DELETE ON main.Entry BEGIN "
    "DELETE FROM quillbook_entry_rows WHERE rid = old.rowid; END",
    "CREATE TEMP TRIGGER IF NOT EXISTS quillbook_rows_updated AFTER UPDATE OF rowid, EntryID ON "
    "main.Entry BEGIN DELETE FROM quillbook_entry_rows WHERE rid = old.rowid; INSERT INTO "
    "quillbook_entry_rows VALUES (new.EntryID, new.rowid); END",
};

} // namespace

void EntryRowIds::Attach(SqlDatabase& db) {
    m_ready = false;
    try {
        for (const char* statement : kAttachStatements)
            db.execute(statement);
        Fill(db);
        m_ready = true;
    } catch (const CppSQLite3Exception&) {
        // Slower, not wrong: every statement then reads the table.
    }
}

void EntryRowIds::Fill(SqlDatabase& db) {
    db.execute("DELETE FROM temp.quillbook_entry_rows");
    db.execute("INSERT INTO temp.quillbook_entry_rows SELECT EntryID, rowid FROM main.Entry");
    m_dataVersion = db.dataVersion();
}

bool EntryRowIds::Current(SqlDatabase& db) {
    if (!m_ready)
        return false;
    try {
        // Another connection's commit may have moved any row.
        if (db.dataVersion() != m_dataVersion)
            Fill(db);
    } catch (const CppSQLite3Exception&) {
        m_ready = false;
    }
    return m_ready;
}

std::string EntryRowIds::Where(SqlDatabase& db, const std::string& id) {
    SqlBuffer sql;
    if (Current(db))
        return sql.format("rowid IN (SELECT rid FROM temp.quillbook_entry_rows WHERE EntryID = "
                          "'%q')",
                          id.c_str());
    return sql.format("EntryID = '%q'", id.c_str());
}

std::string EntryRowIds::WhereIn(SqlDatabase& db, const std::string& quotedIds) {
    SqlBuffer sql;
    if (Current(db))
        return sql.format("rowid IN (SELECT rid FROM temp.quillbook_entry_rows WHERE EntryID IN "
                          "(%s))",
                          quotedIds.c_str());
    return sql.format("EntryID IN (%s)", quotedIds.c_str());
}
