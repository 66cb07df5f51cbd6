// The journal search: the session's side. The reading and the marking of the hits in the file
// (Entry.SearchTarget) run on the search reader (on any thread, through its own connection);
// the session then takes up what it found.
#include "core/session/CQBKDoc.h"
#include "core/store/CppSQLite3Exception.h"

std::shared_ptr<BackgroundReader> CQBKDoc::SearchReader() {
    if (!m_searchReader)
        m_searchReader = OpenBackgroundReader(!IsReadOnly());
    try {
        m_searchStartVersion = m_db.dataVersion();
    } catch (const CppSQLite3Exception&) {
        m_searchStartVersion = m_seenDataVersion - 1; // the panes are then read again
    }
    return m_searchReader;
}

void CQBKDoc::DropSearchReader() {
    if (m_searchReader)
        m_searchReader->Abandon();
    m_searchReader.reset();
    m_listingReader.reset();
}

std::shared_ptr<BackgroundReader> CQBKDoc::ListingReader() {
    // While a journal is being opened its path is not known yet: read on the session's own.
    if (m_listingReader || !IsJournalOpen() || m_damaged || m_path.empty())
        return m_listingReader;
    try {
        m_listingReader = std::make_shared<BackgroundReader>(m_path, m_contentEngine);
    } catch (const CppSQLite3Exception&) {
        // Read on the session's connection instead, which tells what goes wrong there.
    }
    return m_listingReader;
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
    if (!reader.MarksHits()) {
        m_searchHits = found.hits;
        if (found.error)
            ShowDatabaseError(*found.error);
        return;
    }
    // When only the marks were written since the panes and the row table were last current,
    // they still show the file: marks move no row and no pane shows them.
    if (found.quiet && m_searchStartVersion == m_seenDataVersion) {
        try {
            const std::int64_t now = m_db.dataVersion();
            m_entryRows.Carry(m_seenDataVersion, now);
            m_seenDataVersion = now;
        } catch (const CppSQLite3Exception&) {
        }
    }
    // Marking failing first would have ended the search there.
    if (found.markError)
        ShowDatabaseError(*found.markError);
    else if (found.error)
        ShowDatabaseError(*found.error);
}
