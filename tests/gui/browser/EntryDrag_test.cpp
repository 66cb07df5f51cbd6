#include "support/BrowserFixture.h"

namespace {

class EntryDragTest : public BrowserFixture {
protected:
    std::string folderOf(const std::string& entryId) const {
        return value("SELECT FolderID FROM Entry WHERE EntryID = '" + entryId + "'");
    }
    void dragRowTo(int row, const QString& folder) {
        drag(entries->listControl()->viewport(), rowPoint(row), onFolder(folder));
    }
};

// While everything is listed the moved row stays with its new folder; while a folder is listed
// it leaves, and the tree's selection stays.
TEST_F(EntryDragTest, DropOnAnotherFolderMovesTheEntryAndTheListFollows) {
    openFilled();
    dragRowTo(3, QStringLiteral("Home")); // Quarterly plan, from Work
    EXPECT_EQ(folderOf("{E-1}"), "{F-H}");
    EXPECT_EQ(columnTexts(2), (Strings{"Home", "Home", "Work", "Home"}));

    clickFolder(QStringLiteral("Home"));
    dragRowTo(2, QStringLiteral("Work"));
    EXPECT_EQ(folderOf("{E-1}"), "{F-W}");
    EXPECT_EQ(entries->rowCount(), 2);
    EXPECT_EQ(folders->dropHighlight(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(doc.CurrentFolderId(), "{F-H}");
}

// Which folders refuse an entry is the drop rule's own (its own folder, the root); here, that
// the list asks it with the folder under the pointer and shows the refusal. A refusal, No to the
// question and Escape leave the entry where it was.
TEST_F(EntryDragTest, RefusalNoAndEscapeLeaveTheEntryWhereItWas) {
    fill();
    openJournal(true); // asking before moves
    const std::string before = fileBytes(journal.path());
    QWidget* area = entries->listControl()->viewport();
    QTest::mousePress(area, Qt::LeftButton, {}, rowPoint(0)); // apple harvest, in Home
    QTest::mouseMove(area, onFolder(QStringLiteral("Home")));
    EXPECT_EQ(folders->dropHighlight(), folderItem(QStringLiteral("Home")));
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::ForbiddenCursor);
    QTest::mouseMove(area, onFolder(QStringLiteral("Work")));
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::ArrowCursor);
    QTest::mouseMove(area, rowPoint(1)); // back over the list: no folder under the pointer
    EXPECT_EQ(folders->dropHighlight(), nullptr);
    QTest::mouseRelease(area, Qt::LeftButton, {}, rowPoint(1));
    dragRowTo(0, QStringLiteral("Home"));
    EXPECT_EQ(fileBytes(journal.path()), before);
    EXPECT_EQ(entries->rowCount(), 4);

    ui.answerMessage("Do you really want to move the entry to a new folder?", MessageAnswer::No);
    dragRowTo(0, QStringLiteral("Work"));
    EXPECT_EQ(folderOf("{E-2}"), "{F-H}");
    EXPECT_EQ(folders->dropHighlight(), nullptr);

    QTest::mousePress(area, Qt::LeftButton, {}, rowPoint(0));
    QTest::mouseMove(area, rowPoint(0) + QPoint(0, 30));
    QTest::mouseMove(area, onFolder(QStringLiteral("Work")));
    EXPECT_NE(folders->dropHighlight(), nullptr);
    QTest::keyClick(entries->listControl(), Qt::Key_Escape);
    EXPECT_EQ(folders->dropHighlight(), nullptr);
    QTest::mouseRelease(area, Qt::LeftButton, {}, onFolder(QStringLiteral("Work")));
    EXPECT_EQ(folderOf("{E-2}"), "{F-H}");
    EXPECT_EQ(ui.messages().size(), 1u);

    ui.answerMessage("Do you really want to move the entry to a new folder?", MessageAnswer::Yes);
    dragRowTo(0, QStringLiteral("Work"));
    EXPECT_EQ(folderOf("{E-2}"), "{F-W}");
}

} // namespace
