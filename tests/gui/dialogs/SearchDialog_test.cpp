// Tools > Search on a real journal, driven with the keyboard and the mouse, from the criteria
// to opening a result, and the journal closing under the dialog.
#include "core/session/CQBKDoc.h"
#include "gui/app/CMainFrame.h"
#include "gui/browser/CEntryListView.h"
#include "gui/browser/CQBKView.h"
#include "gui/browser/EntryListModel.h"
#include "gui/dialogs/CEntryTopicsDlg.h"
#include "gui/dialogs/CSearchDlg.h"
#include "gui/editor/CEntryFrame.h"
#include "gui/editor/CEntryView.h"
#include "gui/editor/EntryEditorTemplate.h"
#include "gui/platform/ControlId.h"
#include "support/AppTest.h"
#include "support/DialogSteps.h"
#include "support/RawSqlite.h"
#include "support/TestJournal.h"

#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTreeView>
#include <QWindow>

#include <algorithm>

namespace {

using Dlg = CSearchDlg;
using Strings = std::vector<std::string>;

std::string rtf(const std::string& text) {
    return "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 " + text + "\\par}";
}

class SearchDialogTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        journal.addFolder("{F-T}", "{Root}", "Trips");
        journal.addTopic("{T-S}", "sea");
        journal.addTopic("{T-H}", "hills");
        journal.addEntry("{E-1}", "2024-03-05 08:00", "{Root}", "Harbour", true,
                         rtf("Walked to the {\\b har}bour"));
        journal.addEntry("{E-2}", "2024-03-06 21:15", "{F-T}", "harbour walk", true,
                         rtf("Rain all day"));
        journal.addEntry("{E-3}", "2024-03-07 12:00", "{Root}", "", false,
                         rtf("The harbourmaster waved"));
        journal.addEntry("{E-4}", "2024-03-09 09:30", "{Root}", "", false, rtf("Hills at dawn"));
        journal.link("{E-1}", "{T-S}");
        journal.link("{E-1}", "{T-H}");
        journal.link("{E-3}", "{T-S}");
        ASSERT_NO_FATAL_FAILURE(openOnRealPanes(journal.path()));
        dialog = openDialog();
        ASSERT_NE(dialog, nullptr);
    }
    CQBKDoc& doc() const { return m_app->Document(); }
    Dlg* openDialog() {
        trigger(&frame(), QStringLiteral("actionSearch"));
        settle();
        return dynamic_cast<Dlg*>(doc().CurrentSearchWindow());
    }
    bool enabled(int id) const { return findControl(dialog, id)->isEnabled(); }
    QString label(int id) const { return findControl<QLabel>(dialog, id)->text(); }
    // Types the text and presses Enter, which begins the search.
    void search(const QString& text) {
        auto* edit = findControl<QLineEdit>(dialog, Dlg::kFindTextId);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
        waitForBackgroundWork();
    }
    void begin() {
        clickControl(dialog, Dlg::kBeginSearchId);
        waitForBackgroundWork();
    }
    // The ids of the result rows in the order shown.
    Strings shownIds() const {
        Strings ids;
        for (const EntryRow& row : dialog->resultRows()->rows())
            ids.push_back(row.entryId);
        return ids;
    }
    // The ids found, in id order.
    Strings found() const {
        Strings ids = shownIds();
        std::sort(ids.begin(), ids.end());
        return ids;
    }
    QString count() const {
        return dialog->findChild<QLabel*>(QStringLiteral("resultCount"))->text();
    }
    // The next Topics... click ticks these rows (of hills, sea) and nothing else; returns the
    // rows that came up ticked.
    std::vector<int> chooseTopics(std::vector<int> rows) {
        std::vector<int> ticked; // filled while the dialog runs, inside click()
        m_modals.then([&ticked, rows](QWidget* topics) {
            auto* list = findControl<QListWidget>(topics, CEntryTopicsDlg::kListId);
            ASSERT_EQ(list->count(), 2);
            for (int row = 0; row < list->count(); ++row) {
                const bool wanted = std::find(rows.begin(), rows.end(), row) != rows.end();
                const bool on = list->item(row)->checkState() == Qt::Checked;
                if (on)
                    ticked.push_back(row);
                if (on != wanted) {
                    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                      list->visualItemRect(list->item(row)).center());
                    QTest::keyClick(list, Qt::Key_Space);
                }
            }
            clickButton(topics, QStringLiteral("OK"));
        });
        clickControl(dialog, Dlg::kTopicsId);
        return ticked;
    }

    TestJournal journal;
    Dlg* dialog = nullptr;
};

TEST_F(SearchDialogTest, TextCaseWholeWordAndWhereToLook) {
    EXPECT_TRUE(dialog->isVisible());
    search(QStringLiteral("harbour"));
    EXPECT_EQ(found(), (Strings{"{E-1}", "{E-2}", "{E-3}"}));
    EXPECT_EQ(count(), QStringLiteral("3 entries found"));

    clickControl(dialog, Dlg::kWholeWordId);
    begin();
    EXPECT_EQ(found(), (Strings{"{E-1}", "{E-2}"})); // not "harbourmaster"
    clickControl(dialog, Dlg::kMatchCaseId);
    clickControl(dialog, Dlg::kLookInCommentsId);
    begin();
    EXPECT_EQ(found(), Strings{"{E-1}"}); // not the comment "harbour walk"
    EXPECT_FALSE(dialog->noEntriesLabel()->isVisible());

    // Nothing to look in: no search can begin.
    clickControl(dialog, Dlg::kLookInTextId);
    EXPECT_FALSE(enabled(Dlg::kBeginSearchId));
    clickControl(dialog, Dlg::kLookInCommentsId);
    begin();
    EXPECT_EQ(found(), Strings{"{E-2}"}); // the comment "Harbour" differs in case

    search(QStringLiteral("nowhere"));
    EXPECT_TRUE(shownIds().empty());
    dialog->results()->viewport()->repaint(); // shown, and stays until the next search
    EXPECT_TRUE(dialog->noEntriesLabel()->isVisible());
}

TEST_F(SearchDialogTest, DateRangeCouplesItsDaysAndLimitsTheSearch) {
    auto* start = findControl<QDateEdit>(dialog, Dlg::kStartDateId);
    auto* end = findControl<QDateEdit>(dialog, Dlg::kEndDateId);
    EXPECT_FALSE(start->isEnabled());
    EXPECT_FALSE(end->isEnabled());
    clickControl(dialog, Dlg::kBetweenId);
    ASSERT_TRUE(start->isEnabled());

    // Typed with the keyboard: a start after the end moves the end, and the other way round.
    auto typeDate = [](QDateEdit* picker, const QString& text) {
        picker->setFocus();
        picker->setSelectedSection(QDateTimeEdit::YearSection);
        QTest::keyClicks(picker, text);
        QTest::keyClick(picker, Qt::Key_Tab);
    };
    typeDate(end, QStringLiteral("20240306"));
    typeDate(start, QStringLiteral("20240307"));
    EXPECT_EQ(end->date(), QDate(2024, 3, 7));
    typeDate(end, QStringLiteral("20240306"));
    EXPECT_EQ(start->date(), QDate(2024, 3, 6));

    // One day, from its first minute to its last.
    search(QStringLiteral("a"));
    EXPECT_EQ(shownIds(), Strings{"{E-2}"});
    const EntryListModel& rows = *dialog->resultRows(); // one date format whatever the journal
    EXPECT_EQ(rows.index(0, 0).data().toString(), QStringLiteral("3/6/2024 09:15 PM"));
    EXPECT_EQ(rows.index(0, 2).data().toString(), QStringLiteral("Trips"));
}

TEST_F(SearchDialogTest, TopicsAreChosenThroughTheTopicDialog) {
    EXPECT_FALSE(enabled(Dlg::kAnyTopicId));
    EXPECT_FALSE(enabled(Dlg::kFindEntriesWithId));
    EXPECT_TRUE(chooseTopics({0, 1}).empty());
    EXPECT_EQ(label(Dlg::kTopicNamesId), QStringLiteral("hills, sea"));
    EXPECT_TRUE(enabled(Dlg::kAnyTopicId));

    search(QStringLiteral("a"));
    EXPECT_EQ(found(), (Strings{"{E-1}", "{E-3}"})); // at least one of them
    clickControl(dialog, Dlg::kAllTopicsId);
    begin();
    EXPECT_EQ(found(), Strings{"{E-1}"});

    // The chosen topics come up ticked; hills unticked leaves all of sea.
    EXPECT_EQ(chooseTopics({1}), (std::vector<int>{0, 1}));
    EXPECT_EQ(label(Dlg::kTopicNamesId), QStringLiteral("sea"));
    begin();
    EXPECT_EQ(found(), (Strings{"{E-1}", "{E-3}"}));
}

// Header clicks sort; a result deleted meanwhile is said so and its row goes; a double click
// delivered as the window system delivers one (press, release, press, release close together)
// opens that entry in the entry editor, a single click only selects.
TEST_F(SearchDialogTest, ResultsSortDropEntriesThatAreGoneAndOpenOnADoubleClick) {
    search(QStringLiteral("harbour"));
    ASSERT_EQ(shownIds().size(), 3u);
    QHeaderView* header = dialog->results()->header();
    const QPoint firstColumn(header->sectionViewportPosition(0) + header->sectionSize(0) / 2,
                             header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, firstColumn);
    EXPECT_EQ(shownIds(), (Strings{"{E-1}", "{E-2}", "{E-3}"}));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, firstColumn);
    EXPECT_EQ(shownIds(), (Strings{"{E-3}", "{E-2}", "{E-1}"}));

    rawExec(journal.path(), "DELETE FROM Entry WHERE EntryID = '{E-2}'");
    answerMessage(m_modals, QStringLiteral("This entry is no longer in the journal; it is "
                                           "removed from the results."));
    QTreeView* results = dialog->results();
    const auto rowPoint = [results](int row) {
        const QPoint inList = results->visualRect(results->model()->index(row, 1)).center();
        return results->viewport()->mapTo(results->window(), inList);
    };
    QWindow* window = dialog->windowHandle();
    ASSERT_NE(window, nullptr);
    QTest::mouseDClick(window, Qt::LeftButton, {}, rowPoint(1));
    settle();
    EXPECT_EQ(shownIds(), (Strings{"{E-3}", "{E-1}"}));
    EXPECT_EQ(count(), QStringLiteral("2 entries found"));
    ASSERT_EQ(m_app->Editor()->Frame(), nullptr);

    QTest::mouseClick(window, Qt::LeftButton, {}, rowPoint(0));
    settle();
    EXPECT_EQ(results->currentIndex().row(), 0);
    EXPECT_EQ(m_app->Editor()->Frame(), nullptr);
    QTest::mouseDClick(window, Qt::LeftButton, {}, rowPoint(0));
    settle();
    CEntryFrame* editor = m_app->Editor()->Frame();
    ASSERT_NE(editor, nullptr);
    EXPECT_NE(editor->GetEntryText().find("harbourmaster"), std::string::npos);
}

// New results show from the top; an opened result marks its hits (not as formatting) until
// the text changes, and F3 goes from hit to hit.
TEST_F(SearchDialogTest, NewResultsStartAtTheTopAndAnOpenedEntryShowsItsHits) {
    for (int i = 10; i < 50; ++i)
        journal.addEntry("{E-" + std::to_string(i) + "}", "2024-04-01 08:" + std::to_string(i),
                         "{Root}", "", false, rtf("Tide and {\\i tide} again"));
    search(QStringLiteral("tide"));
    QScrollBar* bar = dialog->results()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum());
    search(QStringLiteral("tide"));
    EXPECT_EQ(bar->value(), 0);

    emit dialog->results()->doubleClicked(dialog->resultRows()->index(5, 0));
    settle();
    CEntryFrame* editor = m_app->Editor()->Frame();
    ASSERT_NE(editor, nullptr);
    CEntryView& text = editor->View();
    ASSERT_EQ(text.extraSelections().size(), 2);
    EXPECT_FALSE(editor->IsModified());
    trigger(editor, QStringLiteral("editorFindNext"));
    EXPECT_EQ(text.textCursor().selectionStart(), 9);
    text.textCursor().insertText(QStringLiteral("x"));
    EXPECT_TRUE(text.extraSelections().isEmpty());
}

TEST_F(SearchDialogTest, TheCommandRaisesTheOpenDialogAndTheJournalClosingClosesIt) {
    chooseTopics({1});
    search(QStringLiteral("harbour"));
    ASSERT_EQ(shownIds().size(), 2u);

    // Search again: the same dialog, as it was.
    EXPECT_EQ(openDialog(), dialog);
    EXPECT_EQ(shownIds().size(), 2u);

    QPointer<Dlg> watched(dialog);
    trigger(&frame(), QStringLiteral("actionCloseJournal"));
    EXPECT_EQ(doc().CurrentSearchWindow(), nullptr);
    settle();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watched.isNull());
    EXPECT_FALSE(action(&frame(), QStringLiteral("actionSearch"))->isEnabled());

    // Another journal: the text is remembered, the other journal's topics are not.
    TestJournal other;
    other.addEntry("{O-1}", "2024-01-01 10:00", "{Root}", "harbour", true, rtf("x"));
    ASSERT_EQ(doc().OpenJournal(other.path()), CQBKDoc::OpenResult::Ok);
    dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(shownIds().empty());
    EXPECT_EQ(findControl<QLineEdit>(dialog, Dlg::kFindTextId)->text(), QStringLiteral("harbour"));
    begin(); // not limited to the first journal's topics
    EXPECT_EQ(shownIds(), Strings{"{O-1}"});

    // Close (Esc) ends it; the next command makes a new one.
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_EQ(doc().CurrentSearchWindow(), nullptr);
}

// The window closing before the results arrive: the hits are marked all the same, all of them.
TEST_F(SearchDialogTest, TheMarksAreCompleteWhenTheWindowClosesMidway) {
    findControl<QLineEdit>(dialog, Dlg::kFindTextId)->setText(QStringLiteral("harbour"));
    clickControl(dialog, Dlg::kBeginSearchId);
    dialog->close();
    waitForBackgroundWork();
    EXPECT_EQ(doc().CurrentSearchWindow(), nullptr);
    EXPECT_EQ(rawValue(journal.path(), "SELECT group_concat(EntryID) FROM (SELECT EntryID FROM "
                                       "Entry WHERE SearchTarget = 1 ORDER BY EntryID)"),
              "{E-1},{E-2},{E-3}");
}

} // namespace
