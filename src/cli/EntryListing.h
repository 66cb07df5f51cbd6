#pragma once

#include "core/browser/EntryRow.h"

#include <string>
#include <vector>

class JournalSession;

// Prints entries one line each: id, date as the journal displays it (ISO 8601 for TSV), folder
// name, description as the entry list shows it, topics (see listField). In order of date, as the
// entry list sorts at first. Plain output lines the columns up for reading; TSV output separates
// them with one tab. Tabs and line breaks inside a value become spaces, so one entry is always one
// line.
void printEntries(JournalSession& session, std::vector<EntryRow> rows, bool tsv);

// A UTF-8 value on one line: tabs, line breaks and the unit separator become spaces.
std::string oneLine(const std::string& utf8);

// Prints rows of UTF-8 values (each oneLine() or a listField()), lined up or as TSV.
void printRows(const std::vector<std::vector<std::string>>& rows, bool tsv);

// Stored items as one value: joined by plainSeparator, or for TSV by the unit separator (U+001F),
// which no item holds once folded.
std::string listField(const std::vector<std::string>& storedItems, const char* plainSeparator,
                      bool tsv);

// Prints name/value lines: "Name:  value" lined up, or "name<TAB>value" as TSV.
// Names are untranslated: --tsv prints them in lower case, the table in the user's language.
void printFields(const std::vector<std::pair<std::string, std::string>>& fields, bool tsv);

// Writes UTF-8 text to standard output as it is.
void writeOut(const std::string& text);
