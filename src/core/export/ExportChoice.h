#pragma once

#include "platform/COleDateTime.h"

#include <string>
#include <vector>

class SqlDatabase;

// Which entries an export takes, the choices Print Journal offers (the selected entry, all
// entries, the entries of one folder, optionally only those stamped between two days) and
// the topics the command line can narrow them to.
struct ExportChoice {
    enum class Scope { Selected, All, Folder };
    Scope scope = Scope::All;
    std::string entryId;  // Scope::Selected
    std::string folderId; // Scope::Folder: entries filed in it, not in its subfolders
    bool between = false; // only entries stamped from..to, both ends included
    COleDateTime from;
    COleDateTime to;
    std::vector<std::string> topicIds; // only entries carrying every one of these
};

// The condition of the choice on the Entry table, every value quoted. The dates compare as
// stored text ("%Y-%m-%d %H:%M"), which orders as time does.
std::string EntryChoiceCondition(const ExportChoice& choice);

// The rows (rowid) of the chosen entries in date order, entries of the same minute in the
// order they were written. Reads ids only, so even a large journal costs little memory.
std::vector<long long> ChosenEntryRows(SqlDatabase& db, const ExportChoice& choice);
