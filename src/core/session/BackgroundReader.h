#pragma once

#include "core/protect/BlowfishEngine.h"
#include "core/session/JournalReader.h"
#include "core/store/CppSQLite3Exception.h"
#include "core/store/EntryRowIds.h"
#include "core/store/SearchCriteria.h"
#include "core/store/SearchMarks.h"
#include "core/store/SearchTextCache.h"
#include "core/store/SkippedEntry.h"
#include "core/store/SqlDatabase.h"

#include <atomic>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

// What a search found: the ids of the hits in table order, or the failure reading gave.
struct SearchFound {
    std::vector<std::string> hits;
    std::optional<CppSQLite3Exception> error;
    std::vector<SkippedEntry> skipped; // unreadable entries left out (criteria.skipUnreadable)
    bool cancelled = false;
    // By a reader that marks its hits: whether they were marked in the file, or why not.
    bool marked = false;
    std::optional<CppSQLite3Exception> markError;
    // No other connection wrote the file from the start of the search to its marks' commit.
    bool quiet = false;
};

// A second connection to an open journal, opened for reading only (or, for the search, to
// write its marks too), with its own copy of the keyed engine: long work on another thread
// reads through it while the session goes on with its own connection. Made by
// CQBKDoc::OpenBackgroundReader.
class BackgroundReader {
public:
    // Throws CppSQLite3Exception when the file cannot be opened. One that marks hits opens the
    // file for writing too, for nothing but the search marks.
    BackgroundReader(const std::string& path, const BlowfishEngine& keyed, bool marksHits = false);
    BackgroundReader(const BackgroundReader&) = delete;
    BackgroundReader& operator=(const BackgroundReader&) = delete;

    const JournalReader& Reader() const { return m_reader; }

    // The journal search: entries by text, date range and topics. Reads only; the texts read
    // stay for the next search, which then reads again only after the file has changed.
    // Any thread, one search at a time; cancel is looked at between the steps.
    // A reader that marks hits then marks them (Entry.SearchTarget) in one transaction on the
    // same thread, unless cancelled first: the file is never half marked, and a cancelled
    // search changes no mark. The marks are written even when the search failed (none found).
    SearchFound Search(const SearchCriteria& criteria, const std::atomic<bool>* cancel = nullptr);
    bool MarksHits() const { return m_marksHits; }
    // The journal is closing: no search marks anything from now on. Returns once a search
    // writing its marks has committed them.
    void Abandon();

private:
    std::vector<std::string> FindEntries(const SearchCriteria& criteria,
                                         const std::atomic<bool>* cancel,
                                         std::vector<SkippedEntry>& skipped);
    void Mark(SearchFound& found, std::int64_t versionAtStart);

    SqlDatabase m_db;
    BlowfishEngine m_keyed;
    JournalReader m_reader{m_db, m_keyed};
    std::mutex m_searching;
    SearchTextCache m_searchCache;
    const bool m_marksHits;
    // The marks are written on this connection, so the texts read stay valid across them.
    EntryRowIds m_entryRows;
    SearchMarks m_searchMarks;
    std::mutex m_marking;
    bool m_abandoned = false; // under m_marking
};
