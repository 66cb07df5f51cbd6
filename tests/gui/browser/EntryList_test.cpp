#include "support/BrowserFixture.h"

#include "core/browser/EntryListSort.h"
#include "core/browser/EntryRows.h"
#include "gui/browser/EntryListFill.h"

#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>

namespace {

using EntryListTest = BrowserFixture;

// Widths laid out for a small Windows font grow with the font in use so the texts fit; the date
// column fits the journal format's widest date; the last column takes the rest.
TEST_F(EntryListTest, ColumnsFitTheirTextsInTheFontInUse) {
    fill();
    journal.addEntry("{E-5}", "2024-09-25 22:58", "{F-W}", "widest", true);
    const QFont original = entries->listControl()->font();
    for (const int points : {8, 11, 16}) {
        SCOPED_TRACE(points);
        QFont font = original;
        font.setPointSize(points);
        entries->listControl()->setFont(font);
        if (doc.IsJournalOpen())
            doc.CloseJournal();
        openJournal();
        QTreeView* list = entries->listControl();
        const QFontMetrics metrics(list->font());
        for (int row = 0; row < entries->rowCount(); ++row)
            EXPECT_LE(metrics.horizontalAdvance(cell(row, 0)) + 8, list->columnWidth(0))
                << cell(row, 0).toStdString();
        EXPECT_GE(list->columnWidth(1),
                  metrics.horizontalAdvance(QStringLiteral("Quarterly plan")));
        const QHeaderView* header = list->header();
        const int last = header->count() - 1;
        EXPECT_GE(header->sectionViewportPosition(last) + header->sectionSize(last),
                  list->viewport()->width() - 1);
    }
}

// A renamed topic shows in the list and the preview. Which entries the topics keep is the
// listing's rule; here, the list passes the topic pane's selection, only while it is shown.
TEST_F(EntryListTest, SelectedTopicsNarrowTheListWhileShownAndRenamedOnesShowEverywhere) {
    openFilled();
    clickTopic(0); // garden
    clickRow(1);
    const std::string shown = preview->entryId();
    ASSERT_EQ(shown, "{E-3}");
    topics->handleCommand(ID_FILE_RENAME_TOPIC);
    typeName(topics->GetListCtrl(), QStringLiteral("allotment"));
    for (const std::string& text : columnTexts(3)) {
        EXPECT_NE(text.find("allotment"), std::string::npos) << text;
        EXPECT_EQ(text.find("garden"), std::string::npos) << text;
    }
    EXPECT_EQ(preview->entryId(), shown);
    EXPECT_TRUE(preview->topicsText().contains(QStringLiteral("allotment")));
    EXPECT_FALSE(preview->topicsText().contains(QStringLiteral("garden")));
    EXPECT_EQ(topicsCaption, QStringLiteral("allotment"));
    EXPECT_EQ(value("SELECT Name FROM Topic WHERE TopicID = '{T-1}'"), "allotment");

    clickTopic(1, Qt::ControlModifier); // and budget: one entry has both
    EXPECT_EQ(columnTexts(1), Strings{"Bills"});
    topics->hide();
    entries->LoadEntries();
    EXPECT_EQ(entries->rowCount(), 4);
    topics->show();
    entries->LoadEntries();
    EXPECT_EQ(entries->rowCount(), 1);
}

// Rows read on the worker: the list says it is loading until they come, and the newest
// request's rows are the ones shown (an older request's end changes nothing).
TEST_F(EntryListTest, RowsFromTheWorkerAreTheNewestRequests) {
    openFilled();
    clickTopic(0); // garden
    clickRow(1);
    const auto* loading = entries->findChild<QLabel*>(QStringLiteral("entryListLoading"));
    ASSERT_NE(loading, nullptr);
    EntryListFill::SetWait(0);
    entries->ReloadKeepingSelection(); // narrowed by the topic
    EXPECT_EQ(loading->isVisibleTo(entries), entries->IsListing());
    topics->hide();
    entries->LoadEntries(); // every entry
    entries->WaitForListing();
    EntryListFill::SetWait(60000);
    QCoreApplication::processEvents();
    EXPECT_FALSE(loading->isVisibleTo(entries));
    EXPECT_EQ(entries->rowCount(), 4);
}

TEST_F(EntryListTest, SelectionFillsThePreviewAndAnEntryGoneOrDeletedEmptiesIt) {
    openFilled();
    clickFolder(QStringLiteral("Home"));
    EXPECT_EQ(previewText(), QStringLiteral("No entry is selected."));

    clickRow(1);
    EXPECT_EQ(doc.CurrentEntryId(), "{E-3}");
    EXPECT_EQ(previewText(), QStringLiteral("Paid bills"));
    EXPECT_EQ(preview->dateText(), QStringLiteral("Monday, January 15 2024 12:10 PM"));
    EXPECT_EQ(preview->commentText(), QStringLiteral("Bills"));
    EXPECT_EQ(preview->topicsText().toStdString(), GetEntryTopicsText(doc.Reader().Db(), "{E-3}"));
    EXPECT_EQ(preview->entryId(), "{E-3}");

    QTest::keyClick(entries->listControl(), Qt::Key_Up);
    EXPECT_EQ(doc.CurrentEntryId(), "{E-2}");
    EXPECT_EQ(previewText(), QStringLiteral("Apples everywhere"));

    // A reload whose remembered row is gone leaves nothing selected.
    exec("DELETE FROM Entry WHERE EntryID = '{E-2}'");
    entries->ReloadKeepingSelection();
    EXPECT_EQ(entries->rowCount(), 1);
    EXPECT_EQ(entries->selectedRow(), -1);
    EXPECT_EQ(previewText(), QStringLiteral("No entry is selected."));

    ui.answerMessage("Do you really want to delete this entry?", MessageAnswer::Yes);
    trigger(menuAction(entries->contextMenu(), entries->listControl()->viewport(), rowPoint(0),
                       "entryMenuDeleteEntry"));
    EXPECT_EQ(entries->rowCount(), 0);
    EXPECT_EQ(entries->selectedRow(), -1);
    EXPECT_EQ(previewText(), QStringLiteral("No entry is selected."));
    EXPECT_TRUE(preview->dateText().isEmpty());
    EXPECT_TRUE(preview->commentText().isEmpty());
    EXPECT_EQ(doc.CurrentEntryId(), "");
}

// Show in Folders is never offered; Del asks before deleting and selects the next entry.
TEST_F(EntryListTest, CommandsNeedASelectedRowAndDelAsksBeforeDeleting) {
    openFilled();
    for (CommandId id : {ID_FILE_OPEN_ENTRY, ID_EDIT_COMMENT, ID_ENTRY_CHANGE_DATE,
                         ID_FILE_DELETE_ENTRY, ID_EDIT_ENTRY_TOPICS, ID_FILE_PRINT_ENTRY})
        EXPECT_FALSE(stateWith(*entries, id).enabled) << id;

    PaneContextMenu* menu = entries->contextMenu();
    QAction* showIn =
        menuAction(menu, entries->listControl()->viewport(), rowPoint(2), "entryMenuShowInFolders");
    for (const char* name : {"entryMenuOpenEntry", "entryMenuEditComment", "entryMenuChangeDate",
                             "entryMenuDeleteEntry", "entryMenuTopics", "entryMenuPrint"})
        EXPECT_TRUE(menu->findChild<QAction*>(QString::fromLatin1(name))->isEnabled()) << name;
    EXPECT_FALSE(showIn->isEnabled());
    menu->close();

    trigger(menu->findChild<QAction*>(QStringLiteral("entryMenuPrint")));
    EXPECT_EQ(log.count("Print Thursday, February 29 2024 11:59 PM 0"), 1);
    QTest::mouseDClick(entries->listControl()->viewport(), Qt::LeftButton, {}, rowPoint(3));
    EXPECT_EQ(log.count("LoadEntry {E-1}"), 1);
    entries->listControl()->clearSelection();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5),
                            entries->listControl()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(entries->listControl(), &event);
    EXPECT_FALSE(menu->isVisible()); // nothing selected, no menu

    clickRow(0);
    const std::string first = entries->rowAt(0)->entryId;
    ui.answerMessage("Do you really want to delete this entry?", MessageAnswer::No);
    QTest::keyClick(entries->listControl(), Qt::Key_Delete);
    EXPECT_EQ(entries->rowCount(), 4);
    ui.answerMessage("Do you really want to delete this entry?", MessageAnswer::Yes);
    QTest::keyClick(entries->listControl(), Qt::Key_Delete);
    EXPECT_EQ(entries->rowCount(), 3);
    EXPECT_EQ(rows("SELECT * FROM Entry WHERE EntryID = '" + first + "'"), 0u);
    EXPECT_EQ(entries->selectedRow(), 0); // the next entry is selected and shown
    EXPECT_EQ(preview->entryId(), entries->rowAt(0)->entryId);
}

// The In Folder cell names the folder; its tooltip gives the whole path from the top. Other
// cells show their whole text as a tooltip only where the column cuts it short.
TEST_F(EntryListTest, TooltipsShowTheFoldersWholePathAndTruncatedCells) {
    openFilled();
    ASSERT_TRUE(doc.MoveEntry("{E-1}", "{F-Mm}"));
    entries->LoadEntries();
    const int row = entries->rowOf("{E-1}");
    EXPECT_EQ(cell(row, 2), QStringLiteral("Minutes"));
    QTreeView* list = entries->listControl();
    const QPoint at = list->visualRect(list->model()->index(row, 2)).center();
    QHelpEvent event(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &event);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Work\\Meetings\\Minutes"));

    ASSERT_EQ(cell(row, 1), QStringLiteral("Quarterly plan"));
    for (const int width : {400, 30}) {
        list->setColumnWidth(1, width);
        const QPoint comment = list->visualRect(list->model()->index(row, 1)).center();
        QHelpEvent hover(QEvent::ToolTip, comment, list->viewport()->mapToGlobal(comment));
        QApplication::sendEvent(list->viewport(), &hover);
        EXPECT_EQ(QToolTip::text() == QStringLiteral("Quarterly plan"), width == 30) << width;
    }
}

// The journal's ShowFirstLine and formats reach the list.
TEST_F(EntryListTest, EditCommentStoresTheDialogsValues) {
    openFilled("PromptForComment = 0, ShowFirstLine = 1, DateFormat = '%Y-%m-%d', "
               "TimeFormat = '%H:%M'");
    EXPECT_EQ(cell(2, 1), QStringLiteral("derived text"));
    EXPECT_EQ(cell(0, 0), QStringLiteral("2023-11-20 18:45"));
    clickRow(0); // apple harvest, a comment of the user's own
    ui.acceptDialog<CommentValues>([](CommentValues& v) {
        v.m_comment = "Cider pressing";
        v.m_bAlwaysPrompt = true;
    });
    trigger(menuAction(entries->contextMenu(), entries->listControl()->viewport(), rowPoint(0),
                       "entryMenuEditComment"));
    const auto started = ui.shown<CommentValues>();
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].m_comment, "apple harvest");
    EXPECT_FALSE(started[0].m_bAlwaysPrompt);
    EXPECT_EQ(cell(0, 1), QStringLiteral("Cider pressing"));
    EXPECT_EQ(preview->commentText(), QStringLiteral("Cider pressing"));
}

TEST_F(EntryListTest, ChangeEntryDateStartsFromTheRowAndResortsWithThePreviewFollowing) {
    openFilled();
    clickRow(1); // Bills, 2024-01-15 12:10
    ui.acceptDialog<ChangeDateValues>([](ChangeDateValues& v) {
        v.m_date = QDate(2022, 7, 4);
        v.m_time = QTime(6, 5);
    });
    trigger(menuAction(entries->contextMenu(), entries->listControl()->viewport(), rowPoint(1),
                       "entryMenuChangeDate"));
    const auto started = ui.shown<ChangeDateValues>();
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].m_date, QDate(2024, 1, 15));
    EXPECT_EQ(started[0].m_time, QTime(12, 10));
    // The oldest entry now, so it sorts first, still selected and shown.
    EXPECT_EQ(cell(0, 0), QStringLiteral("Monday, July 4 2022 06:05 AM"));
    EXPECT_EQ(entries->selectedRow(), 0);
    EXPECT_EQ(preview->entryId(), "{E-3}");
    EXPECT_EQ(preview->dateText(), QStringLiteral("Monday, July 4 2022 06:05 AM"));

    // Descending by date, the newest moves to the top.
    clickHeader(0);
    clickRow(3); // {E-3}, the oldest
    ui.acceptDialog<ChangeDateValues>([](ChangeDateValues& v) {
        v.m_date = QDate(2026, 6, 1);
        v.m_time = QTime(9, 0);
    });
    entries->handleCommand(ID_ENTRY_CHANGE_DATE);
    EXPECT_EQ(entries->rowAt(0)->entryId, "{E-3}");
    EXPECT_EQ(entries->selectedRow(), 0);
}

// Orders and columns are the sort state's rules; here, header clicks reach them and the sort's
// meaning follows "In Folder" as it comes (root listed) and goes (a folder listed).
TEST_F(EntryListTest, HeaderClicksSortAndTheSortKeepsItsMeaningAcrossFolders) {
    openFilled();
    const QHeaderView* header = entries->listControl()->header();
    clickHeader(1);
    EXPECT_EQ(columnTexts(1), (Strings{"", "apple harvest", "Bills", "Quarterly plan"}));
    EXPECT_EQ(header->sortIndicatorSection(), 1);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
    clickHeader(1);
    EXPECT_EQ(columnTexts(1), (Strings{"Quarterly plan", "Bills", "apple harvest", ""}));
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);

    const QString root = folders->treeControl()->topLevelItem(0)->text(0);
    clickFolder(QStringLiteral("Work"));
    clickHeader(2); // topics
    clickFolder(root);
    EXPECT_EQ(header->sortIndicatorSection(), 3);
    Strings headings;
    for (int column = 0; column < header->count(); ++column)
        headings.push_back(
            header->model()->headerData(column, Qt::Horizontal).toString().toStdString());
    EXPECT_EQ(headings, (Strings{"Date", "Comment", "In Folder", "Topics"}));
    EXPECT_EQ(SharedEntryListSort().column, 3);
    clickFolder(QStringLiteral("Home"));
    EXPECT_EQ(header->sortIndicatorSection(), 2);
    EXPECT_EQ(SharedEntryListSort().column, 2);
}

} // namespace
