#include "core/store/EntryRowIds.h"

#include "core/store/CppSQLite3Exception.h"
#include "core/store/SqlBuffer.h"
#include "core/store/SqlDatabase.h"
#include "core/store/SqlQuery.h"

namespace {

// The id column keeps the type of Entry.EntryID, so equality compares as it does there.
constexpr const char* kAttachStatements[] = {
    "CREATE TEMP TABLE IF NOT EXISTS quillbook_entry_rows (EntryID CHAR(40), rid INTEGER, day "
    "TEXT)",
    "CREATE INDEX IF NOT EXISTS temp.quillbook_entry_rows_id ON quillbook_entry_rows (EntryID)",
    "CREATE INDEX IF NOT EXISTS temp.quillbook_entry_rows_day ON quillbook_entry_rows (day)",
    "CREATE TEMP TRIGGER IF NOT EXISTS quillbook_rows_inserted AFTER INSERT ON main.Entry BEGIN "
    "INSERT INTO quillbook_entry_rows VALUES (new.EntryID, new.rowid, substr(new.TimeStamp, 1, "
    "10)); END",
    "CREATE TEMP TRIGGER IF NOT EXISTS quillbook_rows_deleted AFTER DELETE ON main.Entry BEGIN "
    "DELETE FROM quillbook_entry_rows WHERE rid = old.rowid; END",
    "CREATE TEMP TRIGGER IF NOT EXISTS quillbook_rows_updated AFTER UPDATE OF rowid, EntryID, "
    "TimeStamp ON main.Entry BEGIN DELETE FROM quillbook_entry_rows WHERE rid = old.rowid; "
    "INSERT INTO quillbook_entry_rows VALUES (new.EntryID, new.rowid, substr(new.TimeStamp, 1, "
    "10)); END",
};

} // namespace

void EntryRowIds::Attach(SqlDatabase& db) {
    Detach();
    try {
        for (const char* statement : kAttachStatements)
            db.execute(statement);
        m_ready = true;
    } catch (const CppSQLite3Exception&) {
        // Slower, not wrong: every statement then reads the table.
    }
}

void EntryRowIds::Fill(SqlDatabase& db) {
    const std::int64_t version = db.dataVersion();
    db.execute("DELETE FROM temp.quillbook_entry_rows");
    m_filled = false;
    // In id order, so the index grows at its end.
    db.execute("INSERT INTO temp.quillbook_entry_rows SELECT EntryID, rowid, substr(TimeStamp, 1, "
               "10) FROM main.Entry ORDER BY EntryID");
    m_dataVersion = version;
    m_filled = true;
}

bool EntryRowIds::Current(SqlDatabase& db) {
    if (!m_ready)
        return false;
    try {
        // Another connection's commit may have moved any row.
        if (!m_filled || db.dataVersion() != m_dataVersion)
            Fill(db);
    } catch (const CppSQLite3Exception&) {
        m_ready = m_filled = false;
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

std::string EntryRowIds::RowidsIn(SqlDatabase& db, const std::string& quotedIds) {
    SqlBuffer sql;
    if (Current(db))
        return sql.format("SELECT rid FROM temp.quillbook_entry_rows WHERE EntryID IN (%s)",
                          quotedIds.c_str());
    return sql.format("SELECT rowid FROM main.Entry WHERE EntryID IN (%s)", quotedIds.c_str());
}

std::vector<std::pair<std::string, int>> EntryRowIds::DayCounts(SqlDatabase& db,
                                                                const DayCondition& condition) {
    SqlBuffer sql;
    const bool current = Current(db);
    const char* day = current ? "day" : "substr(TimeStamp, 1, 10)";
    SqlQuery query = db.query(
        sql.format("SELECT %s, count(*) FROM %s WHERE %s GROUP BY 1 ORDER BY 1", day,
                   current ? "temp.quillbook_entry_rows" : "main.Entry", condition(day).c_str()));
    std::vector<std::pair<std::string, int>> counts;
    for (; !query.eof(); query.nextRow())
        counts.emplace_back(query.textField(0), query.intField(1, 0));
    query.finalize();
    return counts;
}

std::string EntryRowIds::WhereDays(SqlDatabase& db, const DayCondition& condition) {
    SqlBuffer sql;
    if (Current(db))
        return sql.format("rowid IN (SELECT rid FROM temp.quillbook_entry_rows WHERE %s)",
                          condition("day").c_str());
    return condition("substr(TimeStamp, 1, 10)");
}
