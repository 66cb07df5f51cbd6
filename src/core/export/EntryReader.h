#pragma once

#include "core/browser/ListingNames.h"
#include "core/export/ExportedEntry.h"
#include "core/store/SkippedEntry.h"

#include <string>
#include <vector>

class BlowfishEngine;
class JournalReader;
class SqlDatabase;

// Reads chosen entries (ChosenEntryRows) one at a time, deciphered, so an export or a print
// holds one entry in memory however long the journal is.
class EntryReader {
public:
    // What is read of each entry: everything an export shows, its RTF read into the model; or,
    // for a print, only its date and time, its comment and its stored text.
    enum class Reads { Everything, StoredText };

    EntryReader(const JournalReader& journal, std::vector<long long> rows,
                Reads reads = Reads::Everything);

    std::size_t count() const { return m_rows.size(); }
    std::size_t done() const { return m_next; }

    // The next entry; false when every one was read. An entry deleted since it was chosen
    // is skipped; so is one that cannot be read (a value that does not decode, a damaged
    // page), which problems() lists, with why topics may be missing.
    bool next(ExportedEntry& entry);
    const ReadProblems& problems() const { return m_problems; }

private:
    bool read(long long row, ExportedEntry& entry);

    SqlDatabase& m_db;
    const BlowfishEngine& m_keyed;
    std::vector<long long> m_rows;
    Reads m_reads;
    std::size_t m_next = 0;
    ListingNames m_names;
    std::string m_displayFormat;
    ReadProblems m_problems;
};
