// Folder and topic operations of the journal session. Names are quoted, so a name with an
// apostrophe is stored as typed.
#include "core/session/CQBKDoc.h"
#include "core/session/Panes.h"
#include "core/store/JournalMessages.h"
#include "core/store/SqlBuffer.h"
#include "core/store/SqlQuery.h"

bool CQBKDoc::RenameFolder(const std::string& name) {
    if (!IsJournalOpen())
        return false;
    const std::string id = m_currentFolderId; // a refresh may select another folder
    RefreshIfChangedElsewhere();
    SqlBuffer sql;
    return WriteOneRow(
        sql.format("UPDATE Folder SET Name = '%q' WHERE FolderID = '%q'", name.c_str(), id.c_str()),
        JournalMessages::kFolderGone);
}

bool CQBKDoc::MoveFolder(const std::string& folderId, const std::string& parentId) {
    if (!IsJournalOpen())
        return false;
    RefreshIfChangedElsewhere();
    if (!FolderStillThere(parentId, JournalMessages::kFolderGone))
        return false;
    SqlBuffer sql;
    return WriteOneRow(sql.format("UPDATE Folder SET ParentID = '%q' WHERE FolderID = '%q'",
                                  parentId.c_str(), folderId.c_str()),
                       JournalMessages::kFolderGone);
}

bool CQBKDoc::FolderHasEntries(const std::string& folderId) {
    if (!IsJournalOpen())
        return false;
    try {
        SqlBuffer sql;
        SqlQuery query = m_db.query(
            sql.format("SELECT EntryID FROM Entry WHERE FolderID = '%q'", folderId.c_str()));
        const bool hasEntries = !query.eof();
        query.finalize();
        return hasEntries;
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
    const bool ran = Reported([&] {
        SqlBuffer sql;
        deleted = m_db.execute(sql.format("DELETE FROM Folder WHERE FolderID = '%q' AND NOT "
                                          "EXISTS (SELECT 1 FROM Entry WHERE FolderID = '%q')",
                                          id.c_str(), id.c_str()));
    });
    if (ran && deleted == 0)
        FolderStillThere(id, JournalMessages::kFolderGone);
    return deleted > 0 ? 1 : 0;
}

void CQBKDoc::NewTopic() {
    if (!IsJournalOpen())
        return;
    const std::string id = NewId();
    const bool stored = Reported([&] {
        SqlBuffer sql;
        m_db.execute(sql.format("INSERT INTO Topic (TopicID, Name) values('%q','%q')", id.c_str(),
                                "New Topic"));
    });
    if (stored && m_pTopicList)
        m_pTopicList->AddTopicItemAndEdit(id, "New Topic");
}

bool CQBKDoc::RenameTopic(const std::string& topicId, const std::string& name) {
    if (!IsJournalOpen())
        return false;
    RefreshIfChangedElsewhere();
    SqlBuffer sql;
    return WriteOneRow(sql.format("UPDATE Topic SET Name = '%q' WHERE TopicID = '%q'", name.c_str(),
                                  topicId.c_str()),
                       JournalMessages::kTopicGone);
}

bool CQBKDoc::DeleteTopic(const std::string& topicId) {
    if (!IsJournalOpen())
        return false;
    RefreshIfChangedElsewhere();
    SqlBuffer sql;
    if (!Reported([&] {
            m_db.execute(
                sql.format("Delete From Entry2Topic Where TopicID = '%q'", topicId.c_str()));
        }))
        return false;
    return WriteOneRow(sql.format("Delete From Topic Where TopicID = '%q'", topicId.c_str()),
                       JournalMessages::kTopicGone);
}
