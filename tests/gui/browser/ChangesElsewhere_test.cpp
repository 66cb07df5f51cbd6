// Another program (exec) changes the file while the panes show it: a write aimed at a row that is
// gone says so, the panes show the file as it is, and nothing unsaved is reported as saved.
#include "support/BrowserFixture.h"

#include "core/store/JournalMessages.h"

namespace {

using ChangesElsewhereTest = BrowserFixture;

// A drop on a folder gone, a folder or topic renamed, a comment written: each finds its row gone.
TEST_F(ChangesElsewhereTest, EveryOneRowWriteChecksItsRow) {
    openFilled();
    exec("DELETE FROM Folder WHERE FolderID = '{F-E}'");
    ui.answerMessage(JournalMessages::kDropFolderGone, MessageAnswer::Ok);
    drag(entries->listControl()->viewport(), rowPoint(3), onFolder(QStringLiteral("Empty")));
    EXPECT_EQ(value("SELECT FolderID FROM Entry WHERE EntryID = '{E-1}'"), "{F-W}");
    EXPECT_EQ(folderItem(QStringLiteral("Empty")), nullptr);
    EXPECT_EQ(columnTexts(2), (Strings{"Home", "Home", "Work", "Work"}));

    clickFolder(QStringLiteral("Work"));
    exec("DELETE FROM Folder WHERE FolderID = '{F-W}'");
    ui.answerMessage(JournalMessages::kFolderGone, MessageAnswer::Ok);
    QTest::keyClick(folders->treeControl(), Qt::Key_F2);
    typeName(folders->treeControl(), QStringLiteral("Renamed"));
    EXPECT_EQ(rows("SELECT * FROM Folder WHERE Name = 'Renamed'"), 0u);
    EXPECT_EQ(folderItem(QStringLiteral("Renamed")), nullptr);
    EXPECT_EQ(doc.CurrentFolderId(), "{Root}");

    // Gone while its new name is typed: the rename must not land on the row's next topic.
    clickTopic(0);
    topics->handleCommand(ID_FILE_RENAME_TOPIC);
    exec("DELETE FROM Topic WHERE Name = 'garden'");
    ui.answerMessage(JournalMessages::kTopicGone, MessageAnswer::Ok);
    typeName(topics->GetListCtrl(), QStringLiteral("allotment"));
    EXPECT_EQ(value("SELECT group_concat(Name, ',') FROM (SELECT Name FROM Topic ORDER BY Name)"),
              "budget,orchard");
    EXPECT_EQ(topics->GetListCtrl()->model()->rowCount(), 2);

    clickRow(0);
    exec("DELETE FROM Entry");
    ui.acceptDialog<CommentValues>([](CommentValues& v) { v.m_comment = "lost?"; });
    ui.answerMessage(JournalMessages::kEntryGone, MessageAnswer::Ok);
    entries->handleCommand(ID_EDIT_COMMENT);
    EXPECT_EQ(rows("SELECT * FROM Entry"), 0u);
    EXPECT_EQ(entries->rowCount(), 0);
    EXPECT_TRUE(preview->entryId().empty());
}

TEST_F(ChangesElsewhereTest, ChangesElsewhereRefreshThePanesKeepingTheSelection) {
    openFilled();
    clickFolder(QStringLiteral("Work"));
    clickRow(1);
    const std::string selected = entries->rowAt(1)->entryId;
    EXPECT_FALSE(doc.RefreshIfChangedElsewhere()); // nothing happened yet
    exec("INSERT INTO Entry (EntryID, TimeStamp, FolderID, Comment, UserComment) VALUES "
         "('{E-9}', '2020-01-01 10:00', '{F-W}', NULL, 0)");
    exec("INSERT INTO Folder (FolderID, ParentID, Name) VALUES ('{F-N}', '{Root}', 'News')");
    exec("INSERT INTO Topic (TopicID, Name) VALUES ('{T-9}', 'weather')");
    EXPECT_TRUE(doc.RefreshIfChangedElsewhere());
    EXPECT_EQ(entries->rowCount(), 3);
    ASSERT_GE(entries->selectedRow(), 0);
    EXPECT_EQ(entries->rowAt(entries->selectedRow())->entryId, selected);
    EXPECT_EQ(preview->entryId(), selected);
    EXPECT_NE(folderItem(QStringLiteral("News")), nullptr);
    EXPECT_EQ(doc.CurrentFolderId(), "{F-W}");
    EXPECT_EQ(caption, QStringLiteral("Work"));
    EXPECT_EQ(topics->GetListCtrl()->model()->rowCount(), 4);
    EXPECT_FALSE(doc.RefreshIfChangedElsewhere());
}

} // namespace
