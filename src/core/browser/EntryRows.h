#pragma once

#include "core/browser/EntryRow.h"
#include "core/platform/COleDateTime.h"
#include "core/store/SkippedEntry.h"

#include <atomic>
#include <optional>
#include <string>
#include <vector>

class CQBKDoc;
class JournalReader;
class SqlDatabase;

// Which entries the entry list shows: the selected folder, narrowed to the entries carrying
// every selected topic while the topic pane is shown; or, while the calendar lists days, the
// entries of those days wherever they are filed (CalendarEntries::DaysWhere). A listing without a
// text (qbk list) may also take the entries carrying any one of the topics, and only those of a
// range of days.
struct EntryFilter {
    std::string currentFolderId = "{Root}";
    bool topicPaneShown = false;
    std::vector<std::string> selectedTopicIds;
    bool anyTopic = false;
    // Entries dated from the first to the second, both inclusive (to the minute, as stored).
    std::optional<std::pair<COleDateTime, COleDateTime>> days;
    std::string daysWhere;
};

// The WHERE clause of the listing, or nothing when the topic filter matches no entry or the
// range of days is empty (the list then stays empty).
std::optional<std::string> EntryWhereClause(SqlDatabase& db, const EntryFilter& filter);

// The rows of the listing, in the order the file returns them; comments deciphered with the
// journal's content key and hidden as the ShowFirstLine setting says. The topic and folder
// names come from one statement each, equal to GetEntryTopicsText and GetEntryFolderName.
// With problems, a row that cannot be read and topic links that cannot be read are left out
// and told there instead of failing the listing. Once cancel is set (another thread) the
// reading stops and what was read is returned.
std::vector<EntryRow> LoadEntryRows(const JournalReader& reader, const EntryFilter& filter,
                                    ReadProblems* problems = nullptr,
                                    const std::atomic<bool>* cancel = nullptr);

// The rows of the entries marked by the last search, or with ids, the rows of those entries
// (a read-only journal's search, which marks nothing). problems as for LoadEntryRows.
std::vector<EntryRow> LoadSearchResultRows(const JournalReader& reader,
                                           const std::vector<std::string>* ids = nullptr,
                                           ReadProblems* problems = nullptr);
// Same, each row appended to rows as it is read: when reading fails part way (the exception
// is thrown on), the rows read before the failure are there.
void AppendSearchResultRows(const JournalReader& reader, std::vector<EntryRow>& rows,
                            const std::vector<std::string>* ids = nullptr,
                            ReadProblems* problems = nullptr);
// What the session's last search found: the entries it marked, or in a journal open for
// reading only the ones it kept (CQBKDoc::SearchHits).
std::vector<EntryRow> LoadSearchResultRows(CQBKDoc& doc, ReadProblems* problems = nullptr);

// What the entry list shows: a damaged journal lists what can still be read (topics that
// cannot be read left out), where any other failure is thrown as LoadEntryRows throws it.
std::vector<EntryRow> LoadShownEntryRows(CQBKDoc& doc, const EntryFilter& filter);
// Same through any reader (the entry list's worker), for a journal damaged or not.
std::vector<EntryRow> LoadShownEntryRows(const JournalReader& reader, const EntryFilter& filter,
                                         bool damaged, const std::atomic<bool>* cancel = nullptr);

// Names of an entry's topics joined by ", " in table order; empty when it carries none.
std::string GetEntryTopicsText(SqlDatabase& db, const std::string& entryId);

// A folder's name, or "(None)" when no folder row has that id (entries at the top level).
std::string GetEntryFolderName(SqlDatabase& db, const std::string& folderId);

// Sort order of the entry list: negative, zero or positive for ascending order on a column
// (0 date, 1 comment, 2 folder name while "In Folder" is shown else topics, 3 topics).
// Texts compare as shown, ignoring case.
int CompareEntryRows(const EntryRow& a, const EntryRow& b, int column, bool inFolderShown);
// The stored text a column sorts by, or nullptr for the date and unknown columns.
const std::string* EntrySortText(const EntryRow& row, int column, bool inFolderShown);
