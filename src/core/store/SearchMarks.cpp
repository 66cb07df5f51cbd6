#include "core/store/SearchMarks.h"

#include "core/store/CppSQLite3Exception.h"
#include "core/store/EntryRowIds.h"
#include "core/store/SqlBuffer.h"
#include "core/store/SqlDatabase.h"
#include "core/store/SqlQuery.h"
#include "core/store/SqlTransaction.h"

#include <cstdlib>
#include <set>

namespace {

// A row is listed unless its mark is the integer 0; "one" tells the integer 1 apart, the only
// other value a search leaves. Every value of any other type or number needs a write.
constexpr const char* kAttachStatements[] = {
    "CREATE TEMP TABLE IF NOT EXISTS quillbook_marked (rid INTEGER PRIMARY KEY, one INTEGER)",
    "CREATE TEMP TRIGGER IF NOT EXISTS quillbook_mark_inserted AFTER INSERT ON main.Entry WHEN "
    "NOT (typeof(new.SearchTarget) = 'integer' AND new.SearchTarget = 0) BEGIN INSERT OR REPLACE "
    "INTO quillbook_marked VALUES (new.rowid, typeof(new.SearchTarget) = 'integer' AND "
    "new.SearchTarget = 1); END",
    "CREATE TEMP TRIGGER IF NOT EXISTS quillbook_mark_deleted AFTER DELETE ON main.Entry BEGIN "
    "DELETE FROM quillbook_marked WHERE rid = old.rowid; END",
    "CREATE TEMP TRIGGER IF NOT EXISTS quillbook_mark_updated AFTER UPDATE OF rowid, "
    "SearchTarget ON main.Entry BEGIN DELETE FROM quillbook_marked WHERE rid = old.rowid; "
    "INSERT OR REPLACE INTO quillbook_marked SELECT new.rowid, typeof(new.SearchTarget) = "
    "'integer' AND new.SearchTarget = 1 WHERE NOT (typeof(new.SearchTarget) = 'integer' AND "
    "new.SearchTarget = 0); END",
};

constexpr const char* kFillStatement =
    "INSERT INTO temp.quillbook_marked SELECT rowid, typeof(SearchTarget) = 'integer' AND "
    "SearchTarget = 1 FROM main.Entry WHERE NOT (typeof(SearchTarget) = 'integer' AND "
    "SearchTarget = 0)";

std::int64_t int64Field(const SqlQuery& query, int column) {
    return std::strtoll(query.textField(column).c_str(), nullptr, 10);
}

std::string rowidList(const std::set<std::int64_t>& rowids) {
    std::string list;
    for (const std::int64_t rowid : rowids) {
        if (!list.empty())
            list += ',';
        list += std::to_string(rowid);
    }
    return list;
}

} // namespace

void SearchMarks::Attach(SqlDatabase& db) {
    m_attached = m_filled = false;
    try {
        for (const char* statement : kAttachStatements)
            db.execute(statement);
        m_attached = true;
    } catch (const CppSQLite3Exception&) {
        // Slower, not wrong: every search then rewrites the whole table's marks.
    }
}

void SearchMarks::Fill(SqlDatabase& db) {
    db.execute("DELETE FROM temp.quillbook_marked");
    db.execute(kFillStatement);
    m_filled = true;
}

bool SearchMarks::Current(SqlDatabase& db) {
    if (!m_attached)
        return false;
    try {
        // Another connection's commit may have changed any mark or moved any row.
        const std::int64_t version = db.dataVersion();
        if (!m_filled || version != m_dataVersion) {
            Fill(db);
            m_dataVersion = version;
        }
    } catch (const CppSQLite3Exception&) {
        m_attached = m_filled = false;
    }
    return m_attached;
}

void SearchMarks::Replace(SqlDatabase& db, EntryRowIds& rows, const std::string& quotedIds) {
    try {
        ReplaceInTransaction(db, rows, quotedIds);
    } catch (const CppSQLite3Exception&) {
        m_filled = false; // a rollback may have undone the table's last fill
        throw;
    }
}

void SearchMarks::ReplaceInTransaction(SqlDatabase& db, EntryRowIds& rows,
                                       const std::string& quotedIds) {
    SqlTransaction transaction(db, "BEGIN IMMEDIATE");
    SqlBuffer sql;
    if (!Current(db)) {
        // Rows already holding the integer 0 keep it; every other row ends as the plain
        // "SET SearchTarget = 0" leaves it.
        db.execute("UPDATE Entry SET SearchTarget = 0 WHERE SearchTarget IS NOT 0 OR "
                   "typeof(SearchTarget) <> 'integer'");
        KeepClearedIfMarkingFails(transaction, [&] {
            db.execute(sql.format("UPDATE Entry SET SearchTarget = '%d' WHERE %s", 1,
                                  rows.WhereIn(db, quotedIds).c_str()));
        });
        transaction.commit();
        return;
    }
    std::set<std::int64_t> hits;
    for (SqlQuery query = db.query(rows.RowidsIn(db, quotedIds)); !query.eof(); query.nextRow())
        hits.insert(int64Field(query, 0));

    std::set<std::int64_t> toClear;
    std::set<std::int64_t> toMark = hits;
    for (SqlQuery query = db.query("SELECT rid, one FROM temp.quillbook_marked"); !query.eof();
         query.nextRow()) {
        const std::int64_t rowid = int64Field(query, 0);
        if (!hits.contains(rowid))
            toClear.insert(rowid);
        else if (int64Field(query, 1) == 1)
            toMark.erase(rowid); // already the integer 1
    }
    if (!toClear.empty())
        db.execute(sql.format("UPDATE main.Entry SET SearchTarget = 0 WHERE rowid IN (%s)",
                              rowidList(toClear).c_str()));
    if (!toMark.empty()) {
        KeepClearedIfMarkingFails(transaction, [&] {
            db.execute(sql.format("UPDATE main.Entry SET SearchTarget = '%d' WHERE rowid IN (%s)",
                                  1, rowidList(toMark).c_str()));
        });
    }
    transaction.commit();
}

template <typename Marking>
void SearchMarks::KeepClearedIfMarkingFails(SqlTransaction& transaction, Marking&& marking) {
    try {
        marking();
    } catch (const CppSQLite3Exception&) {
        // Every mark ends cleared, the hits already marked too, as when marking fails after
        // clearing the whole table; the clearing is kept.
        SqlDatabase& db = transaction.database();
        if (m_filled)
            db.execute("UPDATE main.Entry SET SearchTarget = 0 WHERE rowid IN (SELECT rid FROM "
                       "temp.quillbook_marked)");
        transaction.commit();
        throw;
    }
}
