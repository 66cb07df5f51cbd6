// The journal search: the session's side. The reading runs on a BackgroundReader (on any
// thread); the hits are then marked in the file (Entry.SearchTarget) for the search dialog to
// list, on the session's connection.
#include "core/session/CQBKDoc.h"
#include "core/store/CppSQLite3Exception.h"
#include "core/store/QuotedIdList.h"

std::shared_ptr<BackgroundReader> CQBKDoc::SearchReader() {
    if (!m_searchReader)
        m_searchReader = OpenBackgroundReader();
    return m_searchReader;
}

void CQBKDoc::Search(const SearchCriteria& criteria) {
    if (const std::shared_ptr<BackgroundReader> reader = SearchReader())
        FinishSearch(*reader, reader->Search(criteria));
}

void CQBKDoc::FinishSearch(const BackgroundReader& reader, const SearchFound& found) {
    // Found in a journal closed meanwhile, or given up: the marks stay as they were.
    if (&reader != m_searchReader.get() || found.cancelled)
        return;
    m_searchSkipped = found.skipped;
    if (IsReadOnly()) {
        m_searchHits = found.hits;
        if (found.error)
            ShowDatabaseError(*found.error);
        return;
    }
    // One transaction: the file is never left half marked. The marks are cleared even when
    // the search failed, as they were cleared before it read.
    try {
        m_searchMarks.Replace(m_db, m_entryRows, QuotedIdList(found.hits, ","));
    } catch (const CppSQLite3Exception& e) {
        ShowDatabaseError(e); // clearing failing first would have ended the search there
        return;
    }
    if (found.error)
        ShowDatabaseError(*found.error);
}
