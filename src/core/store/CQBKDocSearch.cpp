// The journal search: finds entries by text, date range and topics, and marks the hits in
// the file (Entry.SearchTarget) for the search dialog to list.
#include "browser/EntryRows.h"
#include "dialogs/JournalUi.h"
#include "platform/TextEncoding.h"
#include "richtext/TextFinder.h"
#include "store/CQBKDoc.h"
#include "store/CppSQLite3Exception.h"
#include "store/SearchMarks.h"
#include "store/SqlBuffer.h"
#include "store/SqlQuery.h"

#include <algorithm>
#include <optional>
#include <thread>
#include <unordered_map>

namespace {

// Links of each entry to the chosen topics, counted as the one-entry topic test counts them
// (that test compares the id column with a quoted text: only text without zero bytes matches).
std::unordered_map<std::string, int> linkCounts(SqlDatabase& db, const std::string& topicIds) {
    std::unordered_map<std::string, int> counts;
    SqlBuffer sql;
    SqlQuery links = db.query(sql.format(
        "SELECT EntryID FROM Entry2Topic WHERE TopicID in (%s) AND typeof(EntryID) = 'text' AND "
        "instr(EntryID, char(0)) = 0",
        topicIds.c_str()));
    for (; !links.eof(); links.nextRow())
        ++counts[links.textField(0)];
    links.finalize();
    return counts;
}

// Whether the field shows the text; a field that could not be read fails the search as
// reading it would.
bool shows(const SearchTextCache::Field& field, const richtext::TextFinder& finder) {
    if (field.error)
        throw *field.error;
    return field.Find(finder) >= 0;
}

int searchThreads() {
    return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1U, 4U));
}

} // namespace

void CQBKDoc::Search(const SearchCriteria& criteria) {
    // The marks are cleared even when the search fails, as they are cleared before it reads.
    std::vector<std::string> hits;
    try {
        hits = FindEntries(criteria);
    } catch (const CppSQLite3Exception& readError) {
        try {
            m_searchMarks.Replace(m_db, m_entryRows, std::string());
        } catch (const CppSQLite3Exception& e) {
            ShowDatabaseError(e); // clearing failing first would have ended the search there
            return;
        }
        ShowDatabaseError(readError);
        return;
    }
    try {
        m_searchMarks.Replace(m_db, m_entryRows, QuotedIdList(hits, ","));
    } catch (const CppSQLite3Exception& e) {
        ShowDatabaseError(e);
    }
}

std::vector<std::string> CQBKDoc::FindEntries(const SearchCriteria& criteria) {
    const richtext::TextFinder finder(storedToText(criteria.findText), criteria.matchCase,
                                      criteria.wholeWord);
    const std::string topicIds = QuotedIdList(criteria.topicIds, ",");
    const int topicCount = static_cast<int>(criteria.topicIds.size());
    std::optional<std::unordered_map<std::string, int>> links; // read at the first need
    std::vector<std::string> hits;

    const SearchTextCache::Rows& rows =
        m_searchCache.Refresh(m_db, m_contentEngine, searchThreads());
    if (std::optional<MarkSnapshot> marks = m_searchCache.TakeMarks())
        m_searchMarks.Seed(std::move(*marks));
    for (const auto& [rowid, row] : rows) {
        bool match = false;
        if (criteria.lookInText && shows(row.text, finder))
            match = true;
        // Searched even after a hit in the text, as its failure must still show.
        if (criteria.lookInComments && shows(row.comment, finder))
            match = true;
        if (match && criteria.dateRange == 1) {
            if (!row.when.IsValid() || row.when < criteria.startDate || row.when > criteria.endDate)
                match = false;
        }
        if (match && topicCount > 0) {
            if (!links)
                links = linkCounts(m_db, topicIds);
            const auto found = links->find(row.entryId);
            const int n = found == links->end() ? 0 : found->second;
            if ((criteria.topicMatch == 1 && n != topicCount) ||
                (criteria.topicMatch != 1 && n == 0))
                match = false;
        }
        if (match)
            hits.push_back(row.entryId);
    }
    return hits;
}
