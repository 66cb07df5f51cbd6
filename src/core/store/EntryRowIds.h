#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class SqlDatabase;

// Every Entry row's id and rowid, as a read of the whole table saw them, with the connection's
// data version and count of changes at the time (SqlDatabase::totalChanges). Only taken where
// every id is text without a zero byte: such ids go into the table as quoted texts and compare
// there exactly as the column's own values would.
struct EntryIdSnapshot {
    struct Row {
        std::string id;
        std::int64_t rowid = 0;
        std::string day; // the stored timestamp's first ten characters, "YYYY-MM-DD"
        auto operator<=>(const Row&) const = default;
    };
    std::int64_t dataVersion = 0;
    std::int64_t changes = 0;
    std::vector<Row> rows;
};

// Where each entry's rows are, for the open journal: a temporary table of (EntryID, rowid,
// day) with an index on the id and one on the day, kept current by temporary triggers and filled
// again when another connection has changed the file. The one-entry statements then find their rows
// without reading the whole Entry table, which has no index of its own; the file itself gains
// nothing.
//
// The table is filled at its first use, not on opening: filling reads the whole Entry table,
// which opening a large journal need not wait for. A search's full read hands over the ids it
// saw (Seed), which spares the fill its own read.
class EntryRowIds {
public:
    // Creates the table and its triggers on a journal just opened or created.
    // Without them (the temp database refused) Where falls back to comparing EntryID.
    void Attach(SqlDatabase& db);
    void Detach() { m_ready = m_filled = false; }
    // Fills the table from ids read along with something else, when it must be filled and
    // nothing was written since the read; otherwise does nothing.
    void Seed(SqlDatabase& db, EntryIdSnapshot snapshot);

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
    void Fill(SqlDatabase& db, EntryIdSnapshot* seed = nullptr);
    // Whether the table can be used, filled again first if another connection wrote.
    bool Current(SqlDatabase& db);

    bool m_ready = false;
    bool m_filled = false;
    std::int64_t m_dataVersion = 0;
};
