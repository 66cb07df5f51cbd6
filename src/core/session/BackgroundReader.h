#pragma once

#include "core/protect/BlowfishEngine.h"
#include "core/session/JournalReader.h"
#include "core/store/CppSQLite3Exception.h"
#include "core/store/SearchCriteria.h"
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
};

// A second connection to an open journal, opened for reading only, with its own copy of the
// keyed engine: long work on another thread reads through it while the session goes on with
// its own connection. Made by CQBKDoc::OpenBackgroundReader.
class BackgroundReader {
public:
    // Throws CppSQLite3Exception when the file cannot be opened.
    BackgroundReader(const std::string& path, const BlowfishEngine& keyed);
    BackgroundReader(const BackgroundReader&) = delete;
    BackgroundReader& operator=(const BackgroundReader&) = delete;

    const JournalReader& Reader() const { return m_reader; }

    // The journal search: entries by text, date range and topics. Reads only; the texts read
    // stay for the next search, which then reads again only after the file has changed.
    // Any thread, one search at a time; cancel is looked at between the steps.
    SearchFound Search(const SearchCriteria& criteria, const std::atomic<bool>* cancel = nullptr);

private:
    std::vector<std::string> FindEntries(const SearchCriteria& criteria,
                                         const std::atomic<bool>* cancel,
                                         std::vector<SkippedEntry>& skipped);

    SqlDatabase m_db;
    BlowfishEngine m_keyed;
    JournalReader m_reader{m_db, m_keyed};
    std::mutex m_searching;
    SearchTextCache m_searchCache;
};
