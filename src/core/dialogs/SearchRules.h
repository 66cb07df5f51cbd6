#pragma once

#include "core/browser/EntryRow.h"
#include "core/dialogs/SearchValues.h"
#include "core/store/SearchCriteria.h"

#include <QCoreApplication>

#include <cstddef>
#include <string>
#include <vector>

class CQBKDoc;
class JournalReader;
class JournalUi;

// What the search dialog decides, without its widgets.
namespace SearchRules {

// The results' Date column, whatever the journal's own date format.
inline constexpr const char* kResultDateFormat = "%m/%d/%Y %I:%M %p";
// Shown through QCoreApplication::translate("SearchRules", ...).
inline constexpr const char* kNoEntriesFound = QT_TRANSLATE_NOOP("SearchRules", "No Entries Found");
inline constexpr const char* kEntryGone = QT_TRANSLATE_NOOP(
    "SearchRules", "This entry is no longer in the journal; it is removed from the results.");

// "Begin Search" needs at least one field to look in.
bool CanBeginSearch(const SearchValues& values);
// The two topic radio buttons and their label work only while topics are chosen.
bool TopicMatchEnabled(const SearchValues& values);
// A start day after the end day moves the end day to it, and the other way round.
void StartDateChosen(SearchValues& values, QDate day);
void EndDateChosen(SearchValues& values, QDate day);
// Criteria for the session's search: from 00:00:00 of the first day to 23:59:59 of the last.
SearchCriteria Criteria(const SearchValues& values);
// "No Entries Found", "1 entry found", "12 entries found"; when the results could not all be
// read, "12 entries listed; the others found could not be read".
std::string ResultCountText(std::size_t count, bool complete = true);
// What is told when reading the results failed part way.
std::string ResultsCutShortText(std::size_t listed, const std::string& error);
// Criteria kept for the next search dialog once the journal is closed: the chosen topics
// belong to that journal and are dropped.
void ForgetJournal(SearchValues& values);

// The rows of a search, and whether every entry it marked could be read.
struct SearchResults {
    std::vector<EntryRow> rows;
    bool complete = true;
    std::string failure; // when not complete: what to show (ResultsCutShortText)
};

// Runs the search and lists the entries it marked (ListResults).
SearchResults Run(CQBKDoc& doc, JournalUi& ui, const SearchValues& values);
// Reads the entries the last search marked, in the file's order. When reading fails part way,
// the rows read before the failure are kept and the failure is shown, saying so.
SearchResults ListResults(CQBKDoc& doc, JournalUi& ui);
// The same through any reader of the journal, on any thread, keeping the failure to be shown:
// the entries marked in the file, or those of hits when it is given (a journal open for
// reading only).
SearchResults ReadResults(const JournalReader& reader, const std::vector<std::string>* hits);

// Whether the entry of a result row is still in the journal. A read failure is shown and
// counts as present (nothing is removed on a guess).
bool EntryExists(CQBKDoc& doc, JournalUi& ui, const std::string& entryId);

} // namespace SearchRules
