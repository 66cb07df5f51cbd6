#include "dialogs/SearchRules.h"

#include "browser/EntryRows.h"
#include "dialogs/JournalUi.h"
#include "store/CQBKDoc.h"
#include "store/CppSQLite3Exception.h"
#include "store/QuotedIdList.h"
#include "store/SqlBuffer.h"
#include "store/SqlQuery.h"

namespace SearchRules {

namespace {

COleDateTime at(QDate day, int hour, int minute, int second) {
    return COleDateTime(day.year(), day.month(), day.day(), hour, minute, second);
}

} // namespace

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
    criteria.startDate = at(values.startDate, 0, 0, 0);
    criteria.endDate = at(values.endDate, 23, 59, 59);
    criteria.topicIds = ParseQuotedIdList(values.topics.m_chosenIds);
    criteria.topicMatch = values.topicMatch;
    return criteria;
}

std::string ResultCountText(std::size_t count) {
    if (count == 0)
        return kNoEntriesFound;
    return std::to_string(count) + (count == 1 ? " entry found" : " entries found");
}

void ForgetJournal(SearchValues& values) {
    values.topics = TopicChoiceValues{};
    values.topicMatch = 0;
}

std::vector<EntryRow> Run(CQBKDoc& doc, JournalUi& ui, const SearchValues& values) {
    doc.Search(Criteria(values));
    try {
        return LoadSearchResultRows(doc);
    } catch (const CppSQLite3Exception& e) {
        ui.showError(e.message());
        return {};
    }
}

bool EntryExists(CQBKDoc& doc, JournalUi& ui, const std::string& entryId) {
    try {
        SqlBuffer sql;
        SqlQuery query = doc.m_db.query(
            sql.format("SELECT 1 FROM Entry WHERE EntryID = '%q' LIMIT 1", entryId.c_str()));
        const bool found = !query.eof();
        query.finalize();
        return found;
    } catch (const CppSQLite3Exception& e) {
        ui.showError(e.message());
        return true;
    }
}

} // namespace SearchRules
