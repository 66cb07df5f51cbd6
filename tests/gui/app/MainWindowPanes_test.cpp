// The real panes inside the running main window: the caption strip, the View menu and the
// panes' close buttons, and a journal changed by another program while the window was elsewhere.
#include "core/export/ExportWriter.h"
#include "core/platform/CommandIds.h"
#include "core/print/PrintJournalState.h"
#include "core/session/CQBKDoc.h"
#include "gui/app/CMainFrame.h"
#include "gui/browser/CEntryListView.h"
#include "gui/browser/CFolderListView.h"
#include "gui/browser/CPreviewPane.h"
#include "gui/browser/CQBKView.h"
#include "gui/platform/CaptionBar.h"
#include "gui/platform/CommandActions.h"
#include "gui/platform/ControlId.h"
#include "gui/print/CCustomPrintDialog.h"
#include "gui/print/JournalPrinting.h"
#include "support/AppTest.h"
#include "support/DialogSteps.h"
#include "support/PdfText.h"
#include "support/RawSqlite.h"
#include "support/TestJournal.h"

#include "core/browser/EntryListSort.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

namespace {

using Pane = CQBKView::Pane;

class MainWindowPanesTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        journal.addFolder("{F-T}", "{Root}", "<u>Tagged</u> <font color=red>name</font>");
        journal.addEntry("{E-1}", "2024-03-05 08:00", "{Root}", "first", true);
        journal.addEntry("{E-2}", "2024-03-06 08:00", "{Root}", "second", true);
        ASSERT_NO_FATAL_FAILURE(openOnRealPanes(journal.path()));
    }
    CQBKView& view() const { return *frame().View(); }
    // Whether the words are found in the text one after the other.
    static bool inOrder(const std::string& text, std::initializer_list<const char*> words) {
        std::size_t at = 0;
        for (const char* word : words)
            if ((at = text.find(word, at)) == std::string::npos)
                return false;
        return true;
    }
    std::string selectedId() const {
        const EntryRow* row = entryList().rowAt(entryList().selectedRow());
        return row ? row->entryId : std::string("(none)");
    }
    TestJournal journal;
};

TEST_F(MainWindowPanesTest, TheCaptionShowsNamesAsPlainText) {
    auto* tree = static_cast<CFolderListView*>(view().pane(Pane::FolderTree))->treeControl();
    const QString name = QStringLiteral("<u>Tagged</u> <font color=red>name</font>");
    const QList<QTreeWidgetItem*> found =
        tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(found.size(), 1);
    tree->setCurrentItem(found.front());
    settle();
    auto* label = view().caption()->findChild<QLabel*>(QStringLiteral("captionText"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), name);
    // Drawn as rich text the tags would vanish and the label would need far less room.
    EXPECT_GE(label->sizeHint().width(), label->fontMetrics().horizontalAdvance(name));

    // After closing, nothing of the journal is left in the strip.
    m_app->Document().CloseJournal();
    settle();
    EXPECT_EQ(view().caption()->text(), QString());
}

// Topics shown from the menu and hidden by the panes' own close buttons (found by their ids).
TEST_F(MainWindowPanesTest, ShowingAndHidingPanesKeepsTheSelectedEntry) {
    clickEntryRow(1);
    ASSERT_EQ(selectedId(), "{E-2}");
    trigger(&frame(), QStringLiteral("actionViewTopics"));
    EXPECT_EQ(selectedId(), "{E-2}");
    EXPECT_EQ(static_cast<CPreviewPane*>(view().pane(Pane::Preview))->entryId(), "{E-2}");
    settle();
    for (auto [which, buttonId, item] : {std::tuple{Pane::TopicList, 102, "actionViewTopics"},
                                         std::tuple{Pane::FolderTree, 101, "actionViewFolders"}}) {
        auto* button = findControl<QAbstractButton>(view().pane(which), buttonId);
        ASSERT_NE(button, nullptr) << buttonId;
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_FALSE(view().pane(which)->isVisibleTo(&view())) << buttonId;
        EXPECT_FALSE(action(&frame(), QString::fromLatin1(item))->isChecked()) << item;
        EXPECT_EQ(selectedId(), "{E-2}");
    }
}

TEST_F(MainWindowPanesTest, ActivatingTheWindowShowsChangesMadeElsewhere) {
    clickEntryRow(0);
    rawExec(journal.path(), "INSERT INTO Entry (EntryID, TimeStamp, FolderID, Comment, "
                            "UserComment) VALUES ('{E-3}', '2020-01-01 10:00', '{Root}', NULL, 0)");
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&view(), &activate);
    EXPECT_EQ(entryList().rowCount(), 3);
    EXPECT_EQ(selectedId(), "{E-1}");
}

// Column widths, sort and status bar come back at the next start.
TEST_F(MainWindowPanesTest, ColumnsSortAndStatusBarComeBackAtTheNextStart) {
    entryList().listControl()->setColumnWidth(1, 123); // as a drag of the header does
    entryList().SortEntries(1, false);
    trigger(&frame(), QStringLiteral("actionViewStatusBar"));
    frame().close();
    m_app.reset();
    SharedEntryListSort() = {}; // as a new process starts
    ASSERT_NO_FATAL_FAILURE(openOnRealPanes(journal.path()));
    const QHeaderView* header = entryList().listControl()->header();
    EXPECT_EQ(header->sectionSize(1), 123);
    EXPECT_EQ(std::pair(header->sortIndicatorSection(), header->sortIndicatorOrder()),
              std::pair(1, Qt::DescendingOrder));
    EXPECT_EQ(entryList().rowAt(0)->entryId, "{E-2}");
    EXPECT_TRUE(frame().statusBar()->isHidden());
}

// The commands follow a selection and the journal's closing once the change is handled; a
// window left alone computes nothing.
TEST_F(MainWindowPanesTest, CommandStatesFollowChangesNotTheIdleLoop) {
    view().ActivatePane(Pane::FolderTree);
    auto* tree = static_cast<CFolderListView*>(view().pane(Pane::FolderTree))->treeControl();
    QAction* deleteFolder = frame().Actions().action(ID_FILE_DELETE_FOLDER);
    int refreshes = 0;
    QObject::connect(&frame().Actions(), &CommandActions::refreshed, [&] { ++refreshes; });
    for (const bool close : {false, true}) {
        tree->setCurrentItem(tree->topLevelItem(0)->child(0)); // the empty folder
        settle();
        EXPECT_TRUE(deleteFolder->isEnabled());
        EXPECT_EQ(refreshes, 1);
        QTest::qWait(50);
        EXPECT_EQ(refreshes, 1);
        refreshes = 0;
        if (close)
            m_app->Document().CloseJournal();
        else
            tree->setCurrentItem(tree->topLevelItem(0));
        settle();
        EXPECT_FALSE(deleteFolder->isEnabled());
        refreshes = 0;
    }
}

} // namespace

// Three entries selected with Shift+Down; Ctrl+Shift+M files them in the folder picked.
TEST_F(MainWindowPanesTest, MoveToFolderFilesTheSelectedEntriesInThePickedFolder) {
    journal.addEntry("{E-3}", "2024-03-07 08:00", "{Root}", "third", true);
    journal.addEntry("{E-4}", "2024-03-08 08:00", "{Root}", "fourth", true);
    rawExec(journal.path(), "UPDATE Config SET ConfirmEntryMove = 1");
    m_app->Document().RefreshIfChangedElsewhere();
    QTreeView* list = entryList().listControl();
    clickEntryRow(0);
    QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
    ASSERT_EQ(entryList().selectedEntries().size(), 3u);
    // Commands on one entry give way; those on the selection stay.
    for (const char* one :
         {"actionOpenEntry", "actionEditComment", "actionChangeEntryDate", "toolEditEntry"})
        EXPECT_FALSE(enabled(&frame(), QLatin1String(one))) << one;
    for (const char* all :
         {"actionEntryTopics", "actionDeleteEntry", "actionMoveToFolder", "actionPrintJournal"})
        EXPECT_TRUE(enabled(&frame(), QLatin1String(all))) << all;
    m_modals.then([](QWidget* picker) {
        auto* tree = picker->findChild<QTreeWidget*>();
        tree->setCurrentItem(tree->topLevelItem(0)->child(0)); // under the top: the one folder
        clickButton(picker, QStringLiteral("OK"));
    });
    answerMessage(m_modals,
                  QStringLiteral("Do you really want to move these 3 entries to a new "
                                 "folder?"),
                  QStringLiteral("Yes"));
    QTest::keyClick(list, Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(m_modals.pending(), 0u);

    // The whole journal stays listed: the three rows name their new folder.
    for (int row = 0; row < 4; ++row) {
        const bool moved = row < 3;
        EXPECT_EQ(rawValue(journal.path(), "SELECT FolderID FROM Entry WHERE EntryID = '" +
                                               entryList().rowAt(row)->entryId + "'"),
                  moved ? "{F-T}" : "{Root}");
        EXPECT_EQ(list->model()->index(row, 2).data().toString().startsWith(QStringLiteral("<u>")),
                  moved);
    }
}

// Print (through the PDF worker) and Export with several entries selected take those, in the
// list's order, newest first here: no Print Journal dialog, Export offers them first.
TEST_F(MainWindowPanesTest, PrintAndExportTakeTheSelectedEntriesInTheListsOrder) {
    journal.addEntry("{E-3}", "2024-03-07 08:00", "{Root}", "", false, "thirdword");
    journal.addEntry("{E-4}", "2024-03-08 08:00", "{Root}", "", false, "fourthword");
    m_app->Document().RefreshIfChangedElsewhere();
    entryList().SortEntries(0, false);
    clickEntryRow(0);
    QTest::keyClick(entryList().listControl(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(entryList().listControl(), Qt::Key_Down, Qt::ShiftModifier);
    SharedEntryListSort() = {};
    const std::string pdf = journal.path() + ".pdf";
    m_app->Printer().setOutputFormat(QPrinter::PdfFormat);
    m_app->Printer().setOutputFileName(QString::fromStdString(pdf));
    m_app->Printing().runPrintDialog = [](CCustomPrintDialog&) { return true; };
    m_app->Printing().runPrintJournalDialog = [](PrintJournalState&) { return false; };
    trigger(&frame(), QStringLiteral("actionPrintJournal"));
    const std::vector<std::string> pages = pageTexts(readPdf(pdf));
    ASSERT_EQ(pages.size(), 3u); // an entry a page
    EXPECT_TRUE(inOrder(pages[0] + pages[1] + pages[2], {"fourthword", "thirdword", "March 6 "}));

    const QString text = QString::fromStdString(journal.path() + ".txt");
    m_modals.then([&](QWidget* dialog) {
        const auto* several = dialog->findChild<QRadioButton*>(QStringLiteral("scope3"));
        EXPECT_TRUE(several && several->isChecked());
        EXPECT_EQ(several ? several->text() : QString(),
                  QStringLiteral("Export the 3 Selected Entries"));
        auto* format = dialog->findChild<QComboBox*>(QStringLiteral("format"));
        format->setCurrentIndex(format->findData(int(ExportFormat::Text)));
        dialog->findChild<QLineEdit*>(QStringLiteral("path"))->setText(text);
        clickButton(dialog, QStringLiteral("Export"));
    });
    trigger(&frame(), QStringLiteral("actionExportJournal"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::string written = file.readAll().toStdString();
    EXPECT_TRUE(inOrder(written, {"March 8 ", "fourthword", "March 7 ", "thirdword", "March 6 "}))
        << written;
    EXPECT_EQ(written.find("March 05"), std::string::npos); // not selected
}
