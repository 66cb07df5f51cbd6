#pragma once

#include <cstdint>
#include <string>

class EntryRowIds;
class SqlDatabase;
class SqlTransaction;

// The search marks of the open journal (Entry.SearchTarget), replaced without reading or
// rewriting every row. A temporary table lists the rows whose mark is anything but the integer
// 0, kept by temporary triggers and filled again when another connection has written; a search
// then writes just the rows whose mark changes, in one transaction. The file ends exactly as
// clearing every mark and then marking the hits would leave it.
class SearchMarks {
public:
    // Creates the table and its triggers on a journal just opened or created; the table is
    // filled at the first search. Without them (the temp database refused) Replace runs the two
    // whole-table statements.
    void Attach(SqlDatabase& db);
    void Detach() { m_attached = m_filled = false; }

    // Sets the mark of the rows whose EntryID is in quotedIds (a quoted IN list, may be
    // empty) to 1 and every other row's to 0. Throws CppSQLite3Exception; a failure while
    // marking keeps the cleared marks, as a failure after clearing all marks would.
    void Replace(SqlDatabase& db, EntryRowIds& rows, const std::string& quotedIds);

private:
    bool Current(SqlDatabase& db);
    void Fill(SqlDatabase& db);
    void ReplaceInTransaction(SqlDatabase& db, EntryRowIds& rows, const std::string& quotedIds);
    template <typename Marking>
    void KeepClearedIfMarkingFails(SqlTransaction& transaction, Marking&& marking);

    bool m_attached = false;
    bool m_filled = false;
    std::int64_t m_dataVersion = 0;
};
