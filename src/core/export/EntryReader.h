#pragma once

#include "browser/ListingNames.h"
#include "export/ExportedEntry.h"

#include <string>
#include <vector>

class BlowfishEngine;
class SqlDatabase;

// Reads chosen entries one at a time, deciphered and with their RTF read, so an export holds
// one entry in memory however long the journal is.
class EntryReader {
public:
    EntryReader(SqlDatabase& db, const BlowfishEngine& keyed, std::vector<long long> rows);

    std::size_t count() const { return m_rows.size(); }
    std::size_t done() const { return m_next; }

    // The next entry; false when every one was read. An entry deleted since it was chosen
    // is skipped.
    bool next(ExportedEntry& entry);

private:
    SqlDatabase& m_db;
    const BlowfishEngine& m_keyed;
    std::vector<long long> m_rows;
    std::size_t m_next = 0;
    ListingNames m_names;
    std::string m_displayFormat;
};
