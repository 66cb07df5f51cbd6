#pragma once

#include "core/platform/COleDateTime.h"

#include <string>
#include <vector>

class SqlDatabase;

// Which entries a print or an export takes: the selected entry, every entry, the entries
// filed in one folder (not its subfolders), the last two optionally only those stamped
// between two days, both days included, or the entries selected in the list; and, from the
// command line, only entries carrying every one of some topics.
struct EntryChoice {
    enum What { SelectedEntry = 0, AllEntries = 1, CurrentFolder = 2, SelectedEntries = 3 };

    int what = AllEntries;
    std::string entryId;               // SelectedEntry: the entry
    std::vector<std::string> entryIds; // SelectedEntries: the entries, in the list's order
    std::string folderId;              // CurrentFolder: the folder
    bool between = false;              // dates apply (never to selected entries)
    COleDateTime from;                 // the first day at 00:00:00
    COleDateTime to;                   // the last day at 23:59:59
    std::vector<std::string> topicIds;
};

// A day's first and last second: what a range of days starts and ends with.
COleDateTime StartOfDay(const COleDateTime& day);
COleDateTime EndOfDay(const COleDateTime& day);

// The condition of the choice on the Entry table, every value quoted. Timestamps are compared
// as stored text, minutes only, so the last day counts up to 23:59 and the next day's 00:00
// is out.
std::string EntryChoiceCondition(const EntryChoice& choice);

// The rowids of the chosen entries, oldest first, rows of one minute in the order they were
// written; entries selected in the list in the list's order, whatever their dates, those gone
// since left out. Only ids are read, so a choice of the whole journal stays small; each entry
// is read when its turn comes (EntryReader).
std::vector<long long> ChosenEntryRows(SqlDatabase& db, const EntryChoice& choice);
