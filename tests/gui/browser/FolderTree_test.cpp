#include "support/BrowserFixture.h"

#include <QScrollBar>

namespace {

Strings childLabels(const QTreeWidgetItem* item) {
    Strings labels;
    for (int i = 0; i < item->childCount(); ++i)
        labels.push_back(item->child(i)->text(0).toStdString());
    return labels;
}

class FolderTreeTest : public BrowserFixture {
protected:
    QTreeWidget* tree() const { return folders->treeControl(); }
    std::string parentOf(const std::string& id) const {
        return value("SELECT ParentID FROM Folder WHERE FolderID = '" + id + "'");
    }
    std::string nameOf(const std::string& id) const {
        return value("SELECT Name FROM Folder WHERE FolderID = '" + id + "'");
    }
};

// Without a journal: a placeholder and no folder command. An untitled journal's root is named
// after the file and, alone, stays collapsed; a titled one's opens with every folder.
TEST_F(FolderTreeTest, APlaceholderThenRootsNamedAfterTheTitleOrTheFile) {
    ASSERT_EQ(tree()->topLevelItemCount(), 1);
    EXPECT_EQ(tree()->topLevelItem(0)->text(0), QStringLiteral("No Journal Open"));
    EXPECT_EQ(tree()->currentItem(), nullptr);
    tree()->setCurrentItem(tree()->topLevelItem(0));
    for (CommandId id : {ID_FILE_NEW_FOLDER, ID_FILE_RENAME_FOLDER, ID_FILE_DELETE_FOLDER})
        EXPECT_FALSE(stateWith(*folders, id).enabled) << id;

    exec("UPDATE Config SET Title = NULL");
    openJournal();
    EXPECT_EQ(tree()->topLevelItem(0)->text(0), QStringLiteral("test.qbk (all entries)"));
    EXPECT_FALSE(tree()->topLevelItem(0)->isExpanded());
    EXPECT_EQ(tree()->currentItem(), tree()->topLevelItem(0));

    doc.CloseJournal();
    openFilled("Title = 'Field Notes'");
    QTreeWidgetItem* root = tree()->topLevelItem(0);
    EXPECT_EQ(root->text(0), QStringLiteral("Field Notes (all entries)"));
    EXPECT_EQ(childLabels(root), (Strings{"Work", "Home", "Empty"}));
    EXPECT_TRUE(root->isExpanded());
    EXPECT_TRUE(folderItem(QStringLiteral("Work"))->isExpanded());
    EXPECT_TRUE(folderItem(QStringLiteral("Meetings"))->isExpanded());
    EXPECT_EQ(tree()->currentItem(), root);
    EXPECT_EQ(doc.CurrentFolderId(), "{Root}");
    EXPECT_EQ(caption, QStringLiteral("Field Notes (all entries)"));
}

TEST_F(FolderTreeTest, NewFolderFromContextMenuIsStoredAndNamedInPlace) {
    openFilled();
    trigger(menuAction(folders->contextMenu(), tree()->viewport(),
                       folderPoint(QStringLiteral("Home")), "folderMenuNewFolder"));

    QTreeWidgetItem* created = tree()->currentItem();
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->text(0), QStringLiteral("New Folder"));
    EXPECT_EQ(created->parent(), folderItem(QStringLiteral("Home")));
    const std::string id = CFolderListView::itemFolderId(created);
    EXPECT_EQ(doc.CurrentFolderId(), id);
    EXPECT_EQ(parentOf(id), "{F-H}");

    // The name editor is open: a name with an apostrophe, longer than the limit.
    typeName(tree(), QStringLiteral("Grandma's recipes and other family secrets"));

    const QString stored = QStringLiteral("Grandma's recipes and other fa");
    EXPECT_EQ(created->text(0), stored);
    EXPECT_EQ(nameOf(id), stored.toStdString());
}

// The root is never renamed in place (its item is not editable, for F2 as for a click on it while
// selected); another folder is, by the command or F2, and Escape or an emptied name keeps its name.
TEST_F(FolderTreeTest, RenameEditsTheSelectedFolderButNeverTheRoot) {
    openFilled();
    ASSERT_EQ(tree()->currentItem(), tree()->topLevelItem(0));
    QTest::keyClick(tree(), Qt::Key_F2);
    EXPECT_EQ(openEditor(tree()), nullptr);

    clickFolder(QStringLiteral("Empty"));
    folders->handleCommand(ID_FILE_RENAME_FOLDER);
    QLineEdit* editor = openEditor(tree());
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("Abroad"));
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_EQ(nameOf("{F-E}"), "Empty");

    // F2 is the keyboard's way into the same editor.
    QTest::keyClick(tree(), Qt::Key_F2);
    typeName(tree(), QStringLiteral("Abroad"));
    EXPECT_EQ(nameOf("{F-E}"), "Abroad");
    EXPECT_EQ(caption, QStringLiteral("Abroad"));

    // An emptied name would leave a nameless label over a folder whose name did not change.
    QTest::keyClick(tree(), Qt::Key_F2);
    typeName(tree(), QString());
    EXPECT_EQ(folderItem(QStringLiteral("Abroad")), tree()->currentItem());
    EXPECT_EQ(nameOf("{F-E}"), "Abroad");
}

TEST_F(FolderTreeTest, DeleteIsOfferedOnlyForEmptyLeafFolders) {
    openFilled();
    struct Case {
        const char* label;
        bool canDelete;
    };
    // Root; subfolders and entries; subfolders; a leaf with entries; an empty leaf.
    for (const Case& c : {Case{"test.qbk (all entries)", false}, Case{"Work", false},
                          Case{"Meetings", false}, Case{"Home", false}, Case{"Empty", true}}) {
        clickFolder(QString::fromLatin1(c.label));
        EXPECT_EQ(stateWith(*folders, ID_FILE_DELETE_FOLDER).enabled, c.canDelete) << c.label;
        EXPECT_EQ(stateWith(*folders, ID_FILE_RENAME_FOLDER).enabled,
                  QString::fromLatin1(c.label) != QStringLiteral("test.qbk (all entries)"))
            << c.label;
    }

    trigger(menuAction(folders->contextMenu(), tree()->viewport(),
                       folderPoint(QStringLiteral("Empty")), "folderMenuDeleteFolder"));
    EXPECT_EQ(folderItem(QStringLiteral("Empty")), nullptr);
    EXPECT_EQ(rows("SELECT * FROM Folder WHERE FolderID = '{F-E}'"), 0u);
    EXPECT_NE(doc.CurrentFolderId(), "{F-E}");
}

// Del deletes an empty folder as the menu does, and leaves one that holds entries.
TEST_F(FolderTreeTest, DelDeletesAnEmptyFolderOnly) {
    openFilled();
    for (const char* label : {"Home", "Empty"}) {
        clickFolder(QString::fromLatin1(label));
        QTest::keyClick(tree(), Qt::Key_Delete);
    }
    EXPECT_NE(folderItem(QStringLiteral("Home")), nullptr);
    EXPECT_EQ(folderItem(QStringLiteral("Empty")), nullptr);
    EXPECT_EQ(rows("SELECT * FROM Folder WHERE FolderID = '{F-E}'"), 0u);
}

TEST_F(FolderTreeTest, DraggedFolderMovesWithItsBranchIntoSortedPlace) {
    fill();
    journal.addFolder("{F-H1}", "{F-H}", "Attic");
    journal.addFolder("{F-H2}", "{F-H}", "Zoo");
    openJournal();

    drag(tree()->viewport(), folderPoint(QStringLiteral("Meetings")),
         folderPoint(QStringLiteral("Home")));

    QTreeWidgetItem* home = folderItem(QStringLiteral("Home"));
    EXPECT_EQ(childLabels(home), (Strings{"Attic", "Meetings", "Zoo"}));
    EXPECT_EQ(childLabels(folderItem(QStringLiteral("Meetings"))), Strings{"Minutes"});
    EXPECT_EQ(tree()->currentItem(), folderItem(QStringLiteral("Meetings")));
    EXPECT_EQ(doc.CurrentFolderId(), "{F-M}");
    EXPECT_EQ(parentOf("{F-M}"), "{F-H}");
    EXPECT_EQ(parentOf("{F-Mm}"), "{F-M}");
    EXPECT_EQ(folders->dropHighlight(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// A release over no item, an Escape before the release and No to the question each leave the
// folder in place; Yes moves it.
TEST_F(FolderTreeTest, NoItemEscapeOrNoLeaveADraggedFolderInPlace) {
    fill();
    openJournal(true); // asking before moves
    QWidget* area = tree()->viewport();
    const QPoint start = folderPoint(QStringLiteral("Empty"));
    const QPoint home = folderPoint(QStringLiteral("Home"));
    const QPoint below(area->width() / 2, area->height() - 5);
    for (const bool escape : {false, true}) {
        QTest::mousePress(area, Qt::LeftButton, {}, start);
        QTest::mouseMove(area, start + QPoint(0, 20));
        QTest::mouseMove(area, below);
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::ForbiddenCursor);
        QTest::mouseMove(area, home);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::ArrowCursor);
        EXPECT_EQ(folders->dropHighlight(), folderItem(QStringLiteral("Home")));
        if (escape) {
            QTest::keyClick(tree(), Qt::Key_Escape);
            EXPECT_EQ(folders->dropHighlight(), nullptr);
        }
        QTest::mouseRelease(area, Qt::LeftButton, {}, escape ? home : below);
        EXPECT_EQ(parentOf("{F-E}"), "{Root}") << escape;
        EXPECT_EQ(folderItem(QStringLiteral("Empty"))->parent(), tree()->topLevelItem(0));
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }

    ui.answerMessage("Do you really want to move the folder?", MessageAnswer::No);
    drag(area, start, home);
    EXPECT_EQ(folderItem(QStringLiteral("Empty"))->parent(), tree()->topLevelItem(0));
    EXPECT_EQ(parentOf("{F-E}"), "{Root}");
    EXPECT_EQ(folders->dropHighlight(), nullptr);
    ui.answerMessage("Do you really want to move the folder?", MessageAnswer::Yes);
    drag(area, start, home);
    EXPECT_EQ(parentOf("{F-E}"), "{F-H}");
}

TEST_F(FolderTreeTest, HoldingADragAtTheBottomEdgeScrollsTheTree) {
    for (int i = 0; i < 40; ++i) {
        const std::string n = std::to_string(100 + i);
        journal.addFolder("{F-" + n + "}", "{Root}", "Folder " + n);
    }
    openJournal();
    QWidget* area = tree()->viewport();
    ASSERT_GT(tree()->verticalScrollBar()->maximum(), 0);
    ASSERT_EQ(tree()->verticalScrollBar()->value(), 0);
    const QPoint start = folderPoint(QStringLiteral("Folder 101"));
    const QPoint edge(start.x(), area->height() - 3);
    QTest::mousePress(area, Qt::LeftButton, {}, start);
    QTest::mouseMove(area, start + QPoint(0, 20));
    QTest::mouseMove(area, edge);
    QTRY_VERIFY(tree()->verticalScrollBar()->value() > 0);
    // The item now at the bottom becomes the drop target.
    EXPECT_NE(folders->dropHighlight(), nullptr);
    QTest::keyClick(tree(), Qt::Key_Escape);
    QTest::mouseRelease(area, Qt::LeftButton, {}, edge);
    EXPECT_EQ(parentOf("{F-101}"), "{Root}");
}

} // namespace
