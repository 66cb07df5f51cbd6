#include "core/session/FolderEntriesCache.h"

bool FolderEntriesCache::HasEntries(const FileState& state, const std::string& folderId,
                                    const std::function<bool()>& ask) {
    if (m_state == state && m_folderId == folderId)
        return m_hasEntries;
    // Forgotten first: a failing ask keeps nothing.
    m_state.reset();
    m_hasEntries = ask();
    m_folderId = folderId;
    m_state = state;
    return m_hasEntries;
}
