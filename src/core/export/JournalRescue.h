#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <vector>

// What a rescue saved of one table and what it could not read.
struct RescuedTable {
    std::string name;
    std::int64_t saved = 0;
    // Rows that are there but whose values are on damaged pages.
    std::int64_t lost = 0;
    // Row numbers that fell on damaged pages: at most this many rows are gone with them
    // (fewer where rows had been deleted).
    std::int64_t skipped = 0;
    // Nothing from some row on could be read, so how many rows were lost is not known.
    bool restUnreadable = false;

    bool lostAny() const { return lost > 0 || skipped > 0 || restUnreadable; }
};

struct RescueResult {
    bool ok = false;
    QString message; // why nothing was written
    std::vector<RescuedTable> tables;
    // Entries whose rows could not be read but whose ids could.
    std::vector<std::string> lostEntries;
    // Entries that topic links name but that were not saved: lost with a damaged page, or
    // deleted before the damage (their links are left behind).
    std::vector<std::string> linkedEntriesMissing;
    bool settingsSaved = false;
    // With topics or folders lost, what pointed at them is mended so the journal checks sound:
    // links to a lost topic dropped, folders and entries filed in a lost folder moved to the top.
    int linksDropped = 0;
    int refiled = 0;

    bool lostAny() const;
};

// Copies every row of a damaged journal that can still be read into a new journal at target,
// table by table and row by row, skipping the pages that cannot be read. The source is opened
// for reading only, as an immutable file, so nothing is ever written to it; the target is
// written under a temporary name and renamed once complete (see SafeFile and OutputRule: the
// journal itself is never the target, an existing target only with overwrite). Runs on any
// thread; it touches nothing but the two files.
RescueResult RescueJournal(const std::string& source, const std::string& target,
                           bool overwrite = false);
