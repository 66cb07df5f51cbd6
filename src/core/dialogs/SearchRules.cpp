#include "core/dialogs/SearchRules.h"

#include "core/browser/EntryRows.h"
#include "core/platform/QtDates.h"
#include "core/platform/TextEncoding.h"
#include "core/session/CQBKDoc.h"
#include "core/session/JournalUi.h"
#include "core/store/CppSQLite3Exception.h"
#include "core/store/EntryTable.h"
#include "core/store/QuotedIdList.h"

#include <QCoreApplication>

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
    const auto n = static_cast<qulonglong>(count);
    QString text;
    if (!complete)
        text = count == 1
                   ? QCoreApplication::translate(
                         "SearchRules", "1 entry listed; the others found could not be read")
                   : QCoreApplication::translate(
                         "SearchRules", "%1 entries listed; the others found could not be read")
                         .arg(n);
    else if (count == 0)
        text = QCoreApplication::translate("SearchRules", kNoEntriesFound);
    else
        text = count == 1 ? QCoreApplication::translate("SearchRules", "1 entry found")
                          : QCoreApplication::translate("SearchRules", "%1 entries found").arg(n);
    return text.toStdString();
}

std::string ResultsCutShortText(std::size_t listed, const std::string& error) {
    QString text;
    if (listed == 0)
        text = QCoreApplication::translate(
            "SearchRules", "Not every entry found could be read: %1\n\nNo entry is listed.");
    else if (listed == 1)
        text = QCoreApplication::translate("SearchRules",
                                           "Not every entry found could be read: %1\n\nThe entry "
                                           "read before that is listed.");
    else
        text = QCoreApplication::translate("SearchRules",
                                           "Not every entry found could be read: %1\n\nThe %2 "
                                           "entries read before that are listed.")
                   .arg(QStringLiteral("%1"), QString::number(listed));
    return text.arg(storedToText(error)).toStdString();
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
