// Folder and topic operations of the journal session. Names are quoted, so a name with an
// apostrophe is stored as typed.
#include "core/session/CQBKDoc.h"
#include "core/session/Panes.h"
#include "core/store/EntryTable.h"
#include "core/store/FolderTable.h"
#include "core/store/JournalMessages.h"
#include "core/store/SqlQuery.h"
#include "core/store/TopicLinks.h"
#include "core/store/TopicTable.h"

bool CQBKDoc::RenameFolder(const std::string& name) {
    if (!IsJournalOpen())
        return false;
    const std::string id = m_currentFolderId; // a refresh may select another folder
    RefreshIfChangedElsewhere();
    return WriteOneRow([&] { return FolderTable(m_db).Rename(id, name); },
                       JournalMessages::kFolderGone);
}

bool CQBKDoc::MoveFolder(const std::string& folderId, const std::string& parentId) {
    if (!IsJournalOpen())
        return false;
    RefreshIfChangedElsewhere();
    if (!FolderStillThere(parentId, JournalMessages::kFolderGone))
        return false;
    return WriteOneRow([&] { return FolderTable(m_db).MoveUnder(folderId, parentId); },
                       JournalMessages::kFolderGone);
}

bool CQBKDoc::FolderHasEntries(const std::string& folderId) {
    if (!IsJournalOpen())
        return false;
    try {
        const FolderEntriesCache::FileState state{m_db.dataVersion(), m_db.totalChanges()};
        return m_folderEntries.HasEntries(state, folderId,
                                          [&] { return EntryTable(m_db).AnyInFolder(folderId); });
    } catch (const CppSQLite3Exception&) {
        return true;
    }
}

int CQBKDoc::DeleteFolder() {
    if (!IsJournalOpen())
        return 0;
    const std::string id = m_currentFolderId; // a refresh may select another folder
    RefreshIfChangedElsewhere();
    // One statement that also refuses a folder holding entries, so a failure is told once
    // and an entry filed there meanwhile keeps its folder. Nothing deleted: the folder holds
    // entries, or it is gone (told).
    int deleted = 0;
    const bool ran = Reported([&] { deleted = FolderTable(m_db).DeleteIfEmpty(id); });
    if (ran && deleted == 0)
        FolderStillThere(id, JournalMessages::kFolderGone);
    return deleted > 0 ? 1 : 0;
}

void CQBKDoc::NewTopic() {
    if (!IsJournalOpen())
        return;
    const std::string id = NewId();
    const bool stored = Reported([&] { TopicTable(m_db).Insert(id, "New Topic"); });
    if (stored && m_pTopicList)
        m_pTopicList->AddTopicItemAndEdit(id, "New Topic");
}

bool CQBKDoc::RenameTopic(const std::string& topicId, const std::string& name) {
    if (!IsJournalOpen())
        return false;
    RefreshIfChangedElsewhere();
    return WriteOneRow([&] { return TopicTable(m_db).Rename(topicId, name); },
                       JournalMessages::kTopicGone);
}

bool CQBKDoc::DeleteTopic(const std::string& topicId) {
    if (!IsJournalOpen())
        return false;
    RefreshIfChangedElsewhere();
    if (!Reported([&] { TopicLinks(m_db).RemoveTopic(topicId); }))
        return false;
    return WriteOneRow([&] { return TopicTable(m_db).Delete(topicId); },
                       JournalMessages::kTopicGone);
}
