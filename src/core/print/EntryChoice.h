#pragma once

#include "platform/COleDateTime.h"

#include <cstdint>
#include <string>
#include <vector>

class BlowfishEngine;
class SqlDatabase;

// Which entries a print takes: the selected entry, every entry, or the entries filed in one
// folder (not its subfolders), the last two optionally only those stamped between two days,
// both days included. Exporting entries takes the same choice.
struct EntryChoice {
    enum What { SelectedEntry = 0, AllEntries = 1, CurrentFolder = 2 };

    int what = AllEntries;
    std::string entryId;  // SelectedEntry: the entry
    std::string folderId; // CurrentFolder: the folder
    bool between = false; // dates apply (never to SelectedEntry)
    COleDateTime from;    // the first day at 00:00:00
    COleDateTime to;      // the last day at 23:59:59
};

// A day's first and last second: what a range of days starts and ends with.
COleDateTime StartOfDay(const COleDateTime& day);
COleDateTime EndOfDay(const COleDateTime& day);

// The statement that lists the chosen entries' rows, oldest first (rows of one minute in the
// order they were written). Every value in it is quoted. Timestamps are compared as stored
// text, minutes only, so the last day counts up to 23:59 and the next day's 00:00 is out.
std::string EntryChoiceStatement(const EntryChoice& choice);

// One chosen row of the Entry table.
struct ChosenEntry {
    std::int64_t rowid = 0;
    std::string entryId;
};

// The chosen rows in print order. Only ids are read, so a choice of the whole journal stays
// small; each entry's text is read when its turn comes (ReadPrintableEntry).
std::vector<ChosenEntry> ChooseEntries(SqlDatabase& db, const EntryChoice& choice);

// An entry as it is printed: its stored text (RTF or plain) and the title of its header, the
// timestamp in the journal's display format.
struct PrintableEntry {
    std::string text;
    std::string title;
};

// Reads one chosen row; displayFormat is the journal's (store/TimeStamp.h DisplayFormat). A
// row deleted meanwhile reads as an empty entry with an empty title.
PrintableEntry ReadPrintableEntry(SqlDatabase& db, const BlowfishEngine& cipher, std::int64_t rowid,
                                  const std::string& displayFormat);
