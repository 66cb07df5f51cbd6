#include "core/dialogs/SearchRules.h"

#include "core/browser/EntryRows.h"
#include "core/platform/QtDates.h"
#include "core/session/CQBKDoc.h"
#include "core/session/JournalUi.h"
#include "core/store/CppSQLite3Exception.h"
#include "core/store/EntryTable.h"
#include "core/store/QuotedIdList.h"

namespace SearchRules {

bool CanBeginSearch(const SearchValues& values) {
    return values.lookInText || values.lookInComments;
}

bool TopicMatchEnabled(const SearchValues& values) {
    return !values.topics.m_chosenIds.empty();
}

void StartDateChosen(SearchValues& values, QDate day) {
    values.startDate = day;
    if (values.startDate > values.endDate)
        values.endDate = values.startDate;
}

void EndDateChosen(SearchValues& values, QDate day) {
    values.endDate = day;
    if (values.endDate < values.startDate)
        values.startDate = values.endDate;
}

SearchCriteria Criteria(const SearchValues& values) {
    SearchCriteria criteria;
    criteria.findText = values.findText;
    criteria.matchCase = values.matchCase;
    criteria.wholeWord = values.wholeWord;
    criteria.lookInText = values.lookInText;
    criteria.lookInComments = values.lookInComments;
    criteria.dateRange = values.dateRange;
    criteria.startDate = toOleDateTime(values.startDate);
    criteria.endDate = toOleDateTime(values.endDate, QTime(23, 59, 59));
    criteria.topicIds = ParseQuotedIdList(values.topics.m_chosenIds);
    criteria.topicMatch = values.topicMatch;
    return criteria;
}

std::string ResultCountText(std::size_t count, bool complete) {
    const std::string entries = std::to_string(count) + (count == 1 ? " entry" : " entries");
    if (!complete)
        return entries + " listed; the others found could not be read";
    return count == 0 ? kNoEntriesFound : entries + " found";
}

std::string ResultsCutShortText(std::size_t listed, const std::string& error) {
    const std::string text = "Not every entry found could be read: " + error + "\n\n";
    if (listed == 0)
        return text + "No entry is listed.";
    if (listed == 1)
        return text + "The entry read before that is listed.";
    return text + "The " + std::to_string(listed) + " entries read before that are listed.";
}

void ForgetJournal(SearchValues& values) {
    values.topics = TopicChoiceValues{};
    values.topicMatch = 0;
}

SearchResults Run(CQBKDoc& doc, JournalUi& ui, const SearchValues& values) {
    doc.Search(Criteria(values));
    return ListResults(doc, ui);
}

SearchResults ListResults(CQBKDoc& doc, JournalUi& ui) {
    SearchResults results =
        ReadResults(doc.Reader(), doc.IsReadOnly() ? &doc.SearchHits() : nullptr);
    if (!results.complete)
        ui.showError(results.failure);
    return results;
}

SearchResults ReadResults(const JournalReader& reader, const std::vector<std::string>* hits) {
    SearchResults results;
    try {
        AppendSearchResultRows(reader, results.rows, hits);
    } catch (const CppSQLite3Exception& e) {
        results.complete = false;
        results.failure = ResultsCutShortText(results.rows.size(), e.message());
    }
    return results;
}

bool EntryExists(CQBKDoc& doc, JournalUi& ui, const std::string& entryId) {
    try {
        return EntryTable(doc.Reader().Db()).Exists(entryId);
    } catch (const CppSQLite3Exception& e) {
        ui.showError(e.message());
        return true;
    }
}

} // namespace SearchRules
