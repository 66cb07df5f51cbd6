#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class SqlDatabase;

// Where each entry's rows are, for the open journal: a temporary table of (EntryID, rowid,
// day) with an index on the id and one on the day, kept current by temporary triggers and filled
// again when another connection has changed the file. The one-entry statements then find their
// rows without reading the whole Entry table, which has no index of its own; the file itself
// gains nothing.
//
// The table is filled at its first use, not on opening: filling reads the whole Entry table,
// which opening a large journal need not wait for.
class EntryRowIds {
public:
    // Creates the table and its triggers on a journal just opened or created.
    // Without them (the temp database refused) Where falls back to comparing EntryID.
    void Attach(SqlDatabase& db);
    void Detach() { m_ready = m_filled = false; }
    // Another connection wrote only what moves no row (search marks) while the file's data
    // version went from seen to now: a table filled at seen stays current.
    void Carry(std::int64_t seen, std::int64_t now) {
        if (m_filled && m_dataVersion == seen)
            m_dataVersion = now;
    }

    // A WHERE condition that selects exactly the rows whose EntryID equals id.
    std::string Where(SqlDatabase& db, const std::string& id);
    // Same for the rows whose EntryID is in an IN list of quoted ids (which may be empty).
    std::string WhereIn(SqlDatabase& db, const std::string& quotedIds);
    // A query whose one column gives the rowid of each row WhereIn selects; from the table
    // alone while it is current, without reading the Entry rows.
    std::string RowidsIn(SqlDatabase& db, const std::string& quotedIds);

    // A condition on the day an entry was written, given the SQL expression of that day (its
    // stored timestamp's "YYYY-MM-DD"): the calendar asks by day without reading the Entry
    // table while the table here is current.
    using DayCondition = std::function<std::string(const char* day)>;
    // How many entries each day that meets the condition has, in day order.
    std::vector<std::pair<std::string, int>> DayCounts(SqlDatabase& db,
                                                       const DayCondition& condition);
    // A WHERE condition on Entry that selects the rows of the days that meet it.
    std::string WhereDays(SqlDatabase& db, const DayCondition& condition);

private:
    void Fill(SqlDatabase& db);
    // Whether the table can be used, filled again first if another connection wrote.
    bool Current(SqlDatabase& db);

    bool m_ready = false;
    bool m_filled = false;
    std::int64_t m_dataVersion = 0;
};
