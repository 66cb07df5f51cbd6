#include "support/TestJournal.h"

#include "core/store/JournalSchema.h"
#include "core/store/NewJournalValues.h"
#include "core/store/SqlBuffer.h"
#include "core/store/StoredText.h"

TestJournal::TestJournal(const std::string& password)
    : TestJournal(
          [&] {
              NewJournalValues values;
              values.m_password = password;
              return values;
          }(),
          kContentKey) {}

TestJournal::TestJournal(const NewJournalValues& values, const std::string& contentKey)
    : m_path(m_dir.filePath(QStringLiteral("test.qbk")).toStdString()) {
    m_db.open(m_path);
    JournalSchema::CreateTables(m_db);
    JournalSchema::InsertSettings(m_db, values, contentKey);
    m_keyed.SetKey(contentKey);
}

void TestJournal::addFolder(const std::string& id, const std::string& parentId,
                            const std::string& name) {
    SqlBuffer sql;
    m_db.execute(sql.format("INSERT INTO Folder (FolderID, ParentID, Name) VALUES(%Q, %Q, %Q)",
                            id.c_str(), parentId.c_str(), name.c_str()));
}

void TestJournal::addTopic(const std::string& id, const std::string& name) {
    SqlBuffer sql;
    m_db.execute(
        sql.format("INSERT INTO Topic (TopicID, Name) VALUES(%Q, %Q)", id.c_str(), name.c_str()));
}

void TestJournal::link(const std::string& entryId, const std::string& topicId) {
    SqlBuffer sql;
    m_db.execute(sql.format("INSERT INTO Entry2Topic (EntryID, TopicID) VALUES(%Q, %Q)",
                            entryId.c_str(), topicId.c_str()));
}

void TestJournal::addEntry(const std::string& id, const std::string& timeStamp,
                           const std::string& folderId, const std::string& comment,
                           bool userComment, const std::string& text) {
    const std::string storedComment = EncipherForStorage(comment, kContentKey);
    const std::string storedText = EncipherForStorage(text, kContentKey);
    SqlBuffer sql;
    m_db.execute(sql.format("INSERT INTO Entry (EntryID, TimeStamp, FolderID, Comment, "
                            "UserComment, EntryText) VALUES(%Q, %Q, %Q, %Q, '%d', %Q)",
                            id.c_str(), timeStamp.c_str(), folderId.c_str(), storedComment.c_str(),
                            userComment ? 1 : 0, storedText.c_str()));
}
