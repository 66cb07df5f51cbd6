// The pane layout inside the running main window: the View menu, the panes' own close
// buttons, the caption strip and the active pane, all through the real window.
#include "core/platform/CommandIds.h"
#include "core/session/CQBKDoc.h"
#include "gui/app/CMainFrame.h"
#include "gui/browser/CQBKView.h"
#include "gui/platform/CaptionBar.h"
#include "support/AppTest.h"
#include "support/TestJournal.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

namespace {

using Pane = CQBKView::Pane;

class PaneLayoutTest : public StartedAppTest {
protected:
    CQBKView& view() const { return *frame().View(); }
    QSplitter* splitter(const char* name) const {
        return view().findChild<QSplitter*>(QString::fromLatin1(name));
    }
    bool checked(const char* name) const {
        QAction* found = action(&frame(), QString::fromLatin1(name));
        return found && found->isChecked();
    }
    bool shown(Pane which) const { return pane(which).isVisibleTo(&view()); }
    // The panes on screen, their View menu marks, the left column (there exactly while one of
    // its panes is) and the caption's offer of the folders (exactly while they are hidden).
    void expectLayout(bool folders, bool topics, bool preview) {
        EXPECT_EQ(shown(Pane::FolderTree), folders);
        EXPECT_EQ(checked("actionViewFolders"), folders);
        EXPECT_EQ(shown(Pane::TopicList), topics);
        EXPECT_EQ(checked("actionViewTopics"), topics);
        EXPECT_EQ(shown(Pane::Preview), preview);
        EXPECT_EQ(checked("actionViewPreview"), preview);
        EXPECT_TRUE(shown(Pane::EntryList));
        EXPECT_EQ(splitter("leftSplitter")->isVisibleTo(&view()), folders || topics);
        EXPECT_EQ(view().caption()->childButtonShown(), !folders);
    }
    void click(QAbstractButton* button) {
        settle();
        QTest::mouseClick(button, Qt::LeftButton);
    }
};

// Every way of showing and hiding a pane reaches the layout; which layout each step leaves is
// the layout state's own rule. Only showing or hiding the topics reloads the entries.
TEST_F(PaneLayoutTest, MenuCloseButtonsAndCaptionShowAndHideThePanes) {
    EXPECT_EQ(m_app->Document().Preview(), &pane(Pane::Preview)); // told of the session's changes
    TestJournal journal;
    ASSERT_EQ(m_app->Document().OpenJournal(journal.path()), CQBKDoc::OpenResult::Ok);
    const int& loads = pane(Pane::EntryList).loadEntries;
    const int before = loads;
    expectLayout(true, false, true);
    trigger(&frame(), QStringLiteral("actionViewTopics"));
    expectLayout(true, true, true);
    EXPECT_EQ(loads, before + 1);
    trigger(&frame(), QStringLiteral("actionViewFolders"));
    expectLayout(false, true, true);
    click(pane(Pane::TopicList).closeButton);
    expectLayout(false, false, true);
    EXPECT_EQ(loads, before + 2);
    click(view().caption()->findChild<QToolButton*>(QStringLiteral("captionShowFolders")));
    expectLayout(true, false, true);
    click(pane(Pane::FolderTree).closeButton);
    expectLayout(false, false, true);
    trigger(&frame(), QStringLiteral("actionViewFolders"));
    trigger(&frame(), QStringLiteral("actionViewPreview"));
    expectLayout(true, false, false);
    EXPECT_TRUE(m_app->Router().dispatch(ID_VIEW_PREVIEW_PANE_ALT));
    expectLayout(true, false, true);
    EXPECT_EQ(loads, before + 2);
    trigger(&frame(), QStringLiteral("actionViewStatusBar"));
    EXPECT_TRUE(frame().statusBar()->isHidden());
    EXPECT_FALSE(checked("actionViewStatusBar"));
}

TEST_F(PaneLayoutTest, CaptionShowsTheFolderAndTheTopicsWhileTheyAreShownAndKeepsItsHeight) {
    emit pane(Pane::FolderTree).captionChanged(QStringLiteral("Travel"), false);
    EXPECT_EQ(view().caption()->text(), QStringLiteral("Travel"));
    emit pane(Pane::TopicList).topicsTextChanged(QStringLiteral("Books,Plans"));
    EXPECT_EQ(view().caption()->secondText(), QString());

    trigger(&frame(), QStringLiteral("actionViewTopics"));
    EXPECT_EQ(view().caption()->secondText(), QStringLiteral("Topics: Books,Plans"));
    emit pane(Pane::TopicList).topicsTextChanged(QString());
    EXPECT_EQ(view().caption()->secondText(), QString());
    emit pane(Pane::TopicList).topicsTextChanged(QStringLiteral("Books"));
    trigger(&frame(), QStringLiteral("actionViewTopics"));
    EXPECT_EQ(view().caption()->secondText(), QString());

    // The strip keeps its height when the window resizes.
    view().resize(700, 500);
    EXPECT_EQ(view().caption()->geometry(), QRect(0, 0, 700, CaptionBar::kHeight));
    view().resize(420, 300);
    EXPECT_EQ(view().caption()->geometry(), QRect(0, 0, 420, CaptionBar::kHeight));
    EXPECT_EQ(splitter("mainSplitter")->geometry().top(), CaptionBar::kHeight - 1);
    EXPECT_EQ(splitter("mainSplitter")->geometry().bottom(), 299);
}

// A command reaches the pane activated by its signal, the focus or F6, and the entry list once
// the active pane is hidden; a pane's commands are enabled only while it is the active one.
TEST_F(PaneLayoutTest, CommandsGoToThePaneThatWasActivated) {
    TestJournal journal; // with a journal open, nothing else on the route takes these commands
    ASSERT_EQ(m_app->Document().OpenJournal(journal.path()), CQBKDoc::OpenResult::Ok);
    pane(Pane::EntryList).handled = {ID_FILE_OPEN_ENTRY, ID_FILE_DELETE_ENTRY, ID_EDIT_COMMENT,
                                     ID_EDIT_ENTRY_TOPICS};
    pane(Pane::FolderTree).handled = {ID_FILE_DELETE_FOLDER, ID_FILE_RENAME_FOLDER};
    pane(Pane::TopicList).handled = {ID_FILE_RENAME_TOPIC};
    const auto expectActive = [this](Pane active) {
        EXPECT_EQ(view().activePane(), active);
        const std::pair<Pane, std::vector<const char*>> owned[] = {
            {Pane::EntryList,
             {"actionOpenEntry", "actionDeleteEntry", "actionEditComment", "actionEntryTopics",
              "toolEditEntry", "toolDelete"}},
            {Pane::FolderTree, {"actionDeleteFolder", "actionRenameFolder"}},
            {Pane::TopicList, {"actionRenameTopic"}}};
        for (const auto& [owner, names] : owned) {
            for (const char* name : names)
                EXPECT_EQ(enabled(&frame(), QString::fromLatin1(name)), owner == active)
                    << int(active) << ": " << name;
        }
    };
    // Opening lets the window's events run, the start's focus on the entry list included.
    emit pane(Pane::FolderTree).activated();
    expectActive(Pane::FolderTree);
    emit pane(Pane::EntryList).activated();
    expectActive(Pane::EntryList);
    trigger(&frame(), QStringLiteral("toolEditEntry"));
    EXPECT_EQ(pane(Pane::EntryList).ran, std::vector<CommandId>{ID_FILE_OPEN_ENTRY});

    frame().show();
    QApplication::setActiveWindow(&frame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
    pane(Pane::FolderTree).field->setFocus();
    expectActive(Pane::FolderTree);
    // Topics are hidden: folders -> entries -> preview -> folders, and back.
    for (const auto& [back, next] : {std::pair{false, Pane::EntryList},
                                     {false, Pane::Preview},
                                     {false, Pane::FolderTree},
                                     {true, Pane::Preview}}) {
        QTest::keyClick(&frame(), Qt::Key_F6, back ? Qt::ShiftModifier : Qt::NoModifier);
        expectActive(next);
    }
    trigger(&frame(), QStringLiteral("actionViewTopics"));
    emit pane(Pane::FolderTree).activated();
    QTest::keyClick(&frame(), Qt::Key_F6);
    expectActive(Pane::TopicList);

    emit pane(Pane::FolderTree).activated();
    trigger(&frame(), QStringLiteral("actionViewFolders"));
    expectActive(Pane::EntryList);
}

TEST_F(PaneLayoutTest, SizeSplittersAndShownPanesComeBackAtTheNextStart) {
    const QSize firstSize = frame().size();
    frame().showNormal();     // the first start is maximised
    frame().resize(700, 520); // inside the offscreen screen's 800x800
    trigger(&frame(), QStringLiteral("actionViewTopics"));
    trigger(&frame(), QStringLiteral("actionViewPreview"));
    settle();
    splitter("mainSplitter")->setSizes({260, 520});
    splitter("leftSplitter")->setSizes({100, 300});
    const QList<int> main = splitter("mainSplitter")->sizes();
    const QList<int> left = splitter("leftSplitter")->sizes();
    frame().close();
    m_app.reset();
    ASSERT_NO_FATAL_FAILURE(startWithoutWelcome());
    settle();
    EXPECT_EQ(frame().size(), QSize(700, 520));
    expectLayout(true, true, false);
    EXPECT_EQ(splitter("mainSplitter")->sizes(), main);
    EXPECT_EQ(splitter("leftSplitter")->sizes(), left);

    // Settings that are not a layout leave the first-start layout alone.
    frame().close();
    m_app.reset();
    QSettings().setValue(QStringLiteral("Window/Panes"), QByteArray("not a layout"));
    QSettings().setValue(QStringLiteral("Window/Geometry"), QByteArray("nor this"));
    ASSERT_NO_FATAL_FAILURE(startWithoutWelcome());
    EXPECT_EQ(frame().size(), firstSize);
    expectLayout(true, false, true);
}

} // namespace
