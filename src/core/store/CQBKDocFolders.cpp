// Folder and topic operations of the journal session. Names are quoted, so a name with an
// apostrophe is stored as typed.
#include "browser/Panes.h"
#include "store/CQBKDoc.h"
#include "store/SqlBuffer.h"
#include "store/SqlQuery.h"

void CQBKDoc::RenameFolder(const std::string& name) {
    if (!IsJournalOpen())
        return;
    Reported([&] {
        SqlBuffer sql;
        m_db.execute(sql.format("UPDATE Folder SET Name = '%q' WHERE FolderID = '%q'", name.c_str(),
                                m_currentFolderId.c_str()));
    });
}

void CQBKDoc::MoveFolder(const std::string& folderId, const std::string& parentId) {
    if (!IsJournalOpen())
        return;
    Reported([&] {
        SqlBuffer sql;
        m_db.execute(sql.format("UPDATE Folder SET ParentID = '%q' WHERE FolderID = '%q'",
                                parentId.c_str(), folderId.c_str()));
    });
}

bool CQBKDoc::FolderHasEntries(const std::string& folderId) {
    if (!IsJournalOpen())
        return false;
    bool hasEntries = false;
    Reported([&] {
        SqlBuffer sql;
        SqlQuery query = m_db.query(
            sql.format("SELECT EntryID FROM Entry WHERE FolderID = '%q'", folderId.c_str()));
        hasEntries = !query.eof();
        query.finalize();
    });
    return hasEntries;
}

int CQBKDoc::DeleteFolder() {
    if (FolderHasEntries(m_currentFolderId))
        return 0;
    const bool deleted = Reported([&] {
        SqlBuffer sql;
        m_db.execute(
            sql.format("DELETE FROM Folder WHERE FolderID = '%q'", m_currentFolderId.c_str()));
    });
    return deleted ? 1 : 0;
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

void CQBKDoc::RenameTopic(const std::string& topicId, const std::string& name) {
    if (!IsJournalOpen())
        return;
    Reported([&] {
        SqlBuffer sql;
        m_db.execute(sql.format("UPDATE Topic SET Name = '%q' WHERE TopicID = '%q'", name.c_str(),
                                topicId.c_str()));
    });
}

bool CQBKDoc::DeleteTopic(const std::string& topicId) {
    return Reported([&] {
        SqlBuffer sql;
        m_db.execute(sql.format("Delete From Entry2Topic Where TopicID = '%q'", topicId.c_str()));
        m_db.execute(sql.format("Delete From Topic Where TopicID = '%q'", topicId.c_str()));
    });
}
