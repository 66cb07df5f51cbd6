#include "core/session/BackgroundReader.h"

#include "core/platform/TextEncoding.h"
#include "core/richtext/TextFinder.h"
#include "core/store/QuotedIdList.h"
#include "core/store/SqlQuery.h"
#include "core/store/TopicLinks.h"

#include <algorithm>
#include <thread>
#include <unordered_map>

namespace {

// Links of each entry to the chosen topics, counted as the one-entry topic test counts them
// (that test compares the id column with a quoted text: only text without zero bytes matches).
std::unordered_map<std::string, int> linkCounts(SqlDatabase& db, const std::string& topicIds) {
    std::unordered_map<std::string, int> counts;
    SqlQuery links = TopicLinks(db).TextEntryIdsLinkedTo(topicIds);
    for (; !links.eof(); links.nextRow())
        ++counts[links.textField(0)];
    links.finalize();
    return counts;
}

// Which fields show the text, found for every row with the work split over the threads: bit 0
// for the text, bit 1 for the comment. A field that could not be read is not looked at here.
std::vector<unsigned char> fieldsShowing(const std::vector<const SearchTextCache::Row*>& rows,
                                         const richtext::TextFinder& finder,
                                         const SearchCriteria& criteria, int threads) {
    std::vector<unsigned char> showing(rows.size(), 0);
    const auto look = [&](const SearchTextCache::Field& field) {
        return !field.error && field.Find(finder) >= 0;
    };
    const auto work = [&](std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i) {
            if (criteria.lookInText && look(rows[i]->text))
                showing[i] |= 1;
            if (criteria.lookInComments && look(rows[i]->comment))
                showing[i] |= 2;
        }
    };
    const auto parts = static_cast<std::size_t>(std::max(threads, 1));
    const std::size_t share = (rows.size() + parts - 1) / parts;
    std::vector<std::thread> pool;
    for (std::size_t p = 1; p < parts && p * share < rows.size(); ++p)
        pool.emplace_back(work, p * share, std::min(rows.size(), (p + 1) * share));
    work(0, std::min(rows.size(), share));
    for (std::thread& thread : pool)
        thread.join();
    return showing;
}

// Whether the field shows the text (as found beforehand); a field that could not be read
// fails the search as reading it would.
bool shows(const SearchTextCache::Field& field, bool found) {
    if (field.error)
        throw *field.error;
    return found;
}

// The first field the search looks at that could not be read, if any.
const SearchTextCache::Field* unreadable(const SearchTextCache::Row& row,
                                         const SearchCriteria& criteria) {
    if (criteria.lookInText && row.text.error)
        return &row.text;
    if (criteria.lookInComments && row.comment.error)
        return &row.comment;
    return nullptr;
}

bool cancelled(const std::atomic<bool>* cancel) {
    return cancel != nullptr && cancel->load();
}

int searchThreads() {
    return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1U, 4U));
}

} // namespace

BackgroundReader::BackgroundReader(const std::string& path, const BlowfishEngine& keyed,
                                   bool marksHits)
    : m_keyed(keyed), m_marksHits(marksHits) {
    m_db.open(path, !marksHits);
    m_searchCache.Attach(m_db);
    if (marksHits) {
        m_entryRows.Attach(m_db);
        m_searchMarks.Attach(m_db);
    }
}

void BackgroundReader::Abandon() {
    const std::lock_guard marking(m_marking);
    m_abandoned = true;
}

SearchFound BackgroundReader::Search(const SearchCriteria& criteria,
                                     const std::atomic<bool>* cancel) {
    const std::lock_guard one(m_searching);
    SearchFound found;
    std::int64_t versionAtStart = 0;
    try {
        versionAtStart = m_db.dataVersion();
        found.hits = FindEntries(criteria, cancel, found.skipped);
    } catch (const CppSQLite3Exception& e) {
        found.hits.clear();
        found.error = e;
    }
    found.cancelled = cancelled(cancel);
    if (m_marksHits && !found.cancelled)
        Mark(found, versionAtStart);
    return found;
}

void BackgroundReader::Mark(SearchFound& found, std::int64_t versionAtStart) {
    const std::lock_guard marking(m_marking);
    if (m_abandoned)
        return;
    try {
        m_searchMarks.Replace(m_db, m_entryRows, QuotedIdList(found.hits, ","));
        found.marked = true;
        // Its own commits leave this connection's data version as it was.
        found.quiet = !found.error && m_db.dataVersion() == versionAtStart;
    } catch (const CppSQLite3Exception& e) {
        found.markError = e;
    }
}

std::vector<std::string> BackgroundReader::FindEntries(const SearchCriteria& criteria,
                                                       const std::atomic<bool>* cancel,
                                                       std::vector<SkippedEntry>& skipped) {
    const richtext::TextFinder finder(storedToText(criteria.findText), criteria.matchCase,
                                      criteria.wholeWord);
    const std::string topicIds = QuotedIdList(criteria.topicIds, ",");
    const int topicCount = static_cast<int>(criteria.topicIds.size());
    std::optional<std::unordered_map<std::string, int>> links; // read at the first need
    std::vector<std::string> hits;

    const SearchTextCache::Rows& rows = m_searchCache.Refresh(m_db, m_keyed, searchThreads());
    if (cancelled(cancel))
        return hits;
    std::vector<const SearchTextCache::Row*> inOrder;
    inOrder.reserve(rows.size());
    for (const auto& [rowid, row] : rows)
        inOrder.push_back(&row);
    const std::vector<unsigned char> showing =
        fieldsShowing(inOrder, finder, criteria, searchThreads());
    if (cancelled(cancel))
        return hits;

    for (std::size_t i = 0; i < inOrder.size(); ++i) {
        const SearchTextCache::Row& row = *inOrder[i];
        if (const SearchTextCache::Field* field = unreadable(row, criteria);
            field && criteria.skipUnreadable) {
            skipped.push_back(
                {row.entryId, row.when.IsValid() ? row.when.Format("%Y-%m-%d %H:%M") : "",
                 UnreadableReason(*field->error, field == &row.text ? "its text" : "its comment")});
            continue;
        }
        bool match = false;
        if (criteria.lookInText && shows(row.text, showing[i] & 1))
            match = true;
        // Searched even after a hit in the text, as its failure must still show.
        if (criteria.lookInComments && shows(row.comment, showing[i] & 2))
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
