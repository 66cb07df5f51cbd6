#pragma once

#include "core/browser/EntryRow.h"

#include <string>
#include <vector>

class JournalSession;

// Prints entries one line each: id, date as the journal displays it, folder name, description
// as the entry list shows it, topics. In order of date, as the entry list sorts at first.
// Plain output lines the columns up for reading; TSV output separates them with one tab.
// Tabs and line breaks inside a value become spaces, so one entry is always one line.
void printEntries(JournalSession& session, std::vector<EntryRow> rows, bool tsv);

// Prints name/value lines: "Name:  value" lined up, or "name<TAB>value" as TSV.
void printFields(const std::vector<std::pair<std::string, std::string>>& fields, bool tsv);

// Writes UTF-8 text to standard output as it is.
void writeOut(const std::string& text);
