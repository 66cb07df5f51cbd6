// The main window as a user meets it: its menus, toolbar, status bar and title, and which
// commands are available with and without a journal and with each pane active.
#include "core/platform/CommandIds.h"
#include "core/session/CQBKDoc.h"
#include "gui/app/CMainFrame.h"
#include "gui/browser/CQBKView.h"
#include "gui/platform/CommandActions.h"
#include "support/AppTest.h"
#include "support/RawSqlite.h"
#include "support/TestJournal.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QProgressDialog>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

namespace {

using Pane = CQBKView::Pane;

QStringList texts(std::initializer_list<const char*> items) {
    QStringList result;
    for (const char* item : items)
        result << QString::fromUtf8(item);
    return result;
}

class MainFrameTest : public StartedAppTest {
protected:
    // A menu's (or the bar's) items as text, "-" for separators, "[Sub]" for submenus.
    static QStringList lines(const QWidget* menu) {
        QStringList result;
        for (QAction* item : menu->actions()) {
            if (item->isSeparator())
                result << QStringLiteral("-");
            else if (item->menu())
                result << QStringLiteral("[%1]").arg(item->text());
            else if (item->isVisible())
                result << item->text();
        }
        return result;
    }
    QMenu* menu(const char* name) const {
        auto* found = frame().findChild<QMenu*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
};

// The File menu holds every kind of line the menu table builds (the rest is the same table).
TEST_F(MainFrameTest, MenusHoldTheirItemsInOrderWithTheirSeparators) {
    EXPECT_EQ(lines(frame().menuBar()),
              (texts({"[&File]", "[&Edit]", "[&View]", "[&Tools]", "[&Help]"})));
    EXPECT_EQ(lines(menu("menuFile")), (texts({"[&New]",
                                               "[&Open]",
                                               "[&Delete]",
                                               "[&Rename]",
                                               "&Close Journal",
                                               "-",
                                               "&Print...\tCtrl+P",
                                               "Page Set&up...",
                                               "-",
                                               "&Import...",
                                               "Expor&t Journal...",
                                               "&Back Up Journal...",
                                               "R&escue Journal...",
                                               "-",
                                               "Journal Options...",
                                               "Set Password...",
                                               "-",
                                               "Recent File",
                                               "-",
                                               "E&xit"})));
    EXPECT_EQ(lines(menu("menuFileNew")), (texts({"Journal...", "&Entry", "&Folder"})));
    // "Ctrl+P" is only text: the File menu's Print has no shortcut of its own.
    EXPECT_TRUE(action(&frame(), QStringLiteral("actionPrintJournal"))->shortcut().isEmpty());
}

TEST_F(MainFrameTest, ToolbarHasSevenLabelledButtonsUnderTheirImages) {
    QToolBar* bar = frame().ToolBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->iconSize(), QSize(32, 32));
    EXPECT_EQ(bar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QStringList labels;
    for (QAction* item : bar->actions()) {
        labels << (item->isSeparator() ? QStringLiteral("-") : item->text());
        if (!item->isSeparator()) {
            EXPECT_FALSE(item->icon().pixmap(32, 32).isNull()) << item->text().toStdString();
        }
    }
    EXPECT_EQ(labels, (texts({"New Folder", "-", "New Entry", "Edit Entry", "Print", "Delete", "-",
                              "Options", "Search"})));
    // Tooltips are the second half of the command's string.
    EXPECT_EQ(action(&frame(), QStringLiteral("toolSearch"))->toolTip(),
              QStringLiteral("Search Entries"));
}

TEST_F(MainFrameTest, StatusBarSaysReadyAndShowsTheHighlightedItemsPrompt) {
    EXPECT_EQ(frame().StatusMessage(), QStringLiteral("Ready"));
    for (const char* name : {"indicatorCaps", "indicatorNum", "indicatorScroll"})
        EXPECT_NE(frame().statusBar()->findChild<QWidget*>(QString::fromLatin1(name)), nullptr);
    action(&frame(), QStringLiteral("actionCloseJournal"))->showStatusText(&frame());
    EXPECT_EQ(frame().StatusMessage(), QStringLiteral("Close the journal"));
    // An item without a prompt brings "Ready" back.
    action(&frame(), QStringLiteral("actionNewJournal"))->showStatusText(&frame());
    EXPECT_EQ(frame().StatusMessage(), QStringLiteral("Ready"));
}

TEST_F(MainFrameTest, JournalCommandsNeedAnOpenJournalAndTheRestAreAlwaysThere) {
    const QStringList always = texts(
        {"actionNewJournal", "actionOpenJournal", "actionPageSetup", "actionExit",
         "acceleratorOpen", "acceleratorExit", "actionViewPreview", "actionViewFolders",
         "actionViewTopics", "actionViewStatusBar", "actionHelpContents", "actionSupport",
         "actionCheckForUpdates", "actionConfigureUpdates", "actionWelcomeDialog", "actionAbout"});
    const QStringList needJournal =
        texts({"actionNewEntry", "actionCloseJournal", "actionPrintJournal", "actionJournalOptions",
               "actionChangePassword", "actionMasterTopicList", "actionSearch", "toolNewEntry",
               "toolPrint", "toolOptions", "toolSearch", "acceleratorNew", "acceleratorPrint",
               "acceleratorSearch", "acceleratorRefresh"});
    // Nothing on the route handles these in the main window.
    const QStringList never = texts({"acceleratorCopy", "acceleratorCut", "acceleratorPaste",
                                     "acceleratorUndo", "acceleratorSave"});
    m_app.reset();
    start(quietStart(), true);
    for (const QString& name : always + needJournal + never)
        EXPECT_EQ(enabled(&frame(), name), always.contains(name))
            << "no journal: " << name.toStdString();
    // A disabled Delete Folder says why.
    EXPECT_EQ(action(&frame(), QStringLiteral("actionDeleteFolder"))->statusTip(),
              QStringLiteral("Only an empty folder without subfolders can be deleted."));
    // The empty recent list shows its placeholder, disabled.
    EXPECT_FALSE(enabled(&frame(), QStringLiteral("actionRecentFile1")));

    TestJournal journal;
    ASSERT_EQ(m_app->Document().OpenJournal(journal.path()), CQBKDoc::OpenResult::Ok);
    for (Pane which : {Pane::FolderTree, Pane::TopicList, Pane::EntryList, Pane::Preview}) {
        frame().View()->ActivatePane(which);
        for (const QString& name : always + needJournal + never)
            EXPECT_EQ(enabled(&frame(), name), !never.contains(name))
                << "pane " << int(which) << ": " << name.toStdString();
    }
    // The journal just opened is the first recent one now.
    EXPECT_TRUE(enabled(&frame(), QStringLiteral("actionRecentFile1")));
}

TEST_F(MainFrameTest, TitleStaysQuillbookAndCtrlSNeverTouchesTheJournal) {
    TestJournal journal;
    ASSERT_EQ(m_app->Document().OpenJournal(journal.path()), CQBKDoc::OpenResult::Ok);
    EXPECT_EQ(frame().windowTitle(), QStringLiteral("Quillbook"));
    const std::string before = fileBytes(journal.path());
    frame().show();
    QApplication::setActiveWindow(&frame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
    action(&frame(), QStringLiteral("acceleratorSave"));
    QTest::keyClick(&frame(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(fileBytes(journal.path()), before);
    EXPECT_TRUE(m_app->Document().IsJournalOpen());
    EXPECT_EQ(frame().windowTitle(), QStringLiteral("Quillbook"));
}

// Each key of the main window reaches its command along the route (here the active pane's).
TEST_F(MainFrameTest, KeysReachTheirCommands) {
    const QStringList keys =
        QStringLiteral("Ctrl+N Ctrl+O Ctrl+F Ctrl+P Ctrl+Q F5 Return Enter F2 Ctrl+D Shift+F10")
            .split(u' ');
    const CommandId commands[] = {ID_FILE_NEW_ENTRY,     ID_FILE_OPEN_JOURNAL, ID_TOOLS_SEARCH,
                                  ID_FILE_PRINT_JOURNAL, ID_APP_EXIT,          ID_PANES_REFRESH,
                                  ID_FILE_OPEN_ENTRY,    ID_FILE_OPEN_ENTRY,   ID_EDIT_COMMENT,
                                  ID_ENTRY_CHANGE_DATE,  ID_PANE_CONTEXT_MENU};
    TestJournal journal;
    ASSERT_EQ(m_app->Document().OpenJournal(journal.path()), CQBKDoc::OpenResult::Ok);
    frame().show();
    QApplication::setActiveWindow(&frame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
    pane(Pane::EntryList).handled.insert(std::begin(commands), std::end(commands));
    frame().View()->ActivatePane(Pane::EntryList);
    frame().Actions().refresh();
    for (qsizetype i = 0; i < keys.size(); ++i) {
        pane(Pane::EntryList).ran.clear();
        const QKeyCombination key = QKeySequence(keys[i])[0];
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        EXPECT_EQ(pane(Pane::EntryList).ran, std::vector<CommandId>{commands[i]}) << i;
    }
    EXPECT_TRUE(enabled(&frame(), QStringLiteral("actionChangeEntryDate"))); // in the Edit menu
}

// Exit and the window's close box: the journal is closed, the panes told once (the close
// request's second Close Journal is dropped).
TEST_F(MainFrameTest, ExitAndTheCloseBoxCloseTheJournalWithTheWindow) {
    for (const bool exit : {true, false}) {
        TestJournal journal;
        ASSERT_EQ(m_app->Document().OpenJournal(journal.path()), CQBKDoc::OpenResult::Ok);
        pane(Pane::FolderTree).reloads = 0;
        if (exit)
            trigger(&frame(), QStringLiteral("actionExit"));
        else
            EXPECT_TRUE(frame().close());
        EXPECT_FALSE(m_app->Document().IsJournalOpen()) << exit;
        EXPECT_FALSE(frame().isVisible());
        EXPECT_EQ(pane(Pane::FolderTree).reloads, 1) << exit;
        m_app.reset();
        start();
    }
}

} // namespace

// Opening looks the file over on a worker under a progress dialog, the window live meanwhile;
// Cancel there leaves the journal closed.
TEST_F(MainFrameTest, OpeningChecksTheFileWithTheWindowLiveAndCancelLeavesItClosed) {
    const TestJournal journal;
    bool ranMeanwhile = false;
    QTimer::singleShot(0, &frame(), [&] {
        ranMeanwhile = m_app->Document().IsOpening();
        auto* progress = frame().findChild<QProgressDialog*>(QStringLiteral("longWorkProgress"));
        ASSERT_NE(progress, nullptr);
        progress->cancel();
    });
    EXPECT_EQ(m_app->Document().OpenJournal(journal.path()), CQBKDoc::OpenResult::Cancelled);
    EXPECT_TRUE(ranMeanwhile);
    EXPECT_FALSE(m_app->Document().IsJournalOpen());
}
