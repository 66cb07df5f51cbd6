// Tools > Search on a real journal, driven with the keyboard and the mouse: each criterion,
// the date coupling, the topic choice, the results and opening one, and the journal closing
// under the dialog.
#include "app/CMainFrame.h"
#include "browser/CEntryListView.h"
#include "browser/CQBKView.h"
#include "browser/EntryListModel.h"
#include "dialogs/CEntryTopicsDlg.h"
#include "dialogs/CSearchDlg.h"
#include "editor/CEntryFrame.h"
#include "editor/EntryEditorTemplate.h"
#include "platform/ControlId.h"
#include "store/CQBKDoc.h"
#include "support/AppTest.h"
#include "support/RawSqlite.h"
#include "support/TestJournal.h"

#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
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

void click(QWidget* dialog, int id) {
    QWidget* control = findControl(dialog, id);
    ASSERT_NE(control, nullptr) << id;
    ASSERT_TRUE(control->isEnabled()) << id;
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(8, control->height() / 2));
}

bool enabled(QWidget* dialog, int id) {
    return findControl(dialog, id)->isEnabled();
}

class SearchDialogTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        setShowWelcome(0);
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
        startWithRealPanes();
        ASSERT_TRUE(m_started);
        ASSERT_EQ(doc().OpenJournal(journal.path()), CQBKDoc::OpenOk);
        settle();
    }
    CQBKDoc& doc() const { return m_app->Document(); }
    Dlg* openDialog() {
        trigger(&frame(), QStringLiteral("actionSearch"));
        settle();
        return dynamic_cast<Dlg*>(doc().m_pSearchDlg);
    }
    // Types the text and presses Enter, which begins the search.
    void search(Dlg* dialog, const QString& text) {
        auto* edit = findControl<QLineEdit>(dialog, Dlg::kFindTextId);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    // The ids of the result rows in the order shown.
    Strings shownIds(Dlg* dialog) const {
        Strings ids;
        for (const EntryRow& row : dialog->resultRows()->rows())
            ids.push_back(row.entryId);
        return ids;
    }
    // The ids found, in id order.
    Strings found(Dlg* dialog) const {
        Strings ids = shownIds(dialog);
        std::sort(ids.begin(), ids.end());
        return ids;
    }
    QString cell(Dlg* dialog, int row, int column) const {
        return dialog->resultRows()->index(row, column).data().toString();
    }
    QPoint rowPoint(Dlg* dialog, int row) const {
        QTreeView* list = dialog->results();
        return list->visualRect(list->model()->index(row, 1)).center();
    }
    QString count(Dlg* dialog) const {
        return dialog->findChild<QLabel*>(QStringLiteral("resultCount"))->text();
    }
    // The next Topics... click ticks these rows (of hills, sea) and nothing else.
    void chooseTopics(std::vector<int> rows) {
        m_modals.then([rows](QWidget* topics) {
            auto* list = findControl<QListWidget>(topics, CEntryTopicsDlg::kListId);
            ASSERT_EQ(list->count(), 2);
            for (int row = 0; row < list->count(); ++row) {
                const bool wanted = std::find(rows.begin(), rows.end(), row) != rows.end();
                if ((list->item(row)->checkState() == Qt::Checked) != wanted) {
                    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                      list->visualItemRect(list->item(row)).center());
                    QTest::keyClick(list, Qt::Key_Space);
                }
            }
            clickButton(topics, QStringLiteral("OK"));
        });
    }

    TestJournal journal;
};

TEST_F(SearchDialogTest, TextCaseWholeWordAndWhereToLook) {
    Dlg* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    search(dialog, QStringLiteral("harbour"));
    EXPECT_EQ(found(dialog), (Strings{"{E-1}", "{E-2}", "{E-3}"}));
    EXPECT_EQ(count(dialog), QStringLiteral("3 entries found"));

    click(dialog, Dlg::kWholeWordId);
    click(dialog, Dlg::kBeginSearchId);
    EXPECT_EQ(found(dialog), (Strings{"{E-1}", "{E-2}"})); // not "harbourmaster"
    click(dialog, Dlg::kMatchCaseId);
    click(dialog, Dlg::kBeginSearchId);
    EXPECT_EQ(found(dialog), (Strings{"{E-1}", "{E-2}"})); // text "harbour", comment "harbour walk"
    click(dialog, Dlg::kLookInCommentsId);
    click(dialog, Dlg::kBeginSearchId);
    EXPECT_EQ(found(dialog), Strings{"{E-1}"});
    EXPECT_EQ(count(dialog), QStringLiteral("1 entry found"));
    EXPECT_FALSE(dialog->noEntriesLabel()->isVisible());

    // Nothing to look in: no search can begin.
    click(dialog, Dlg::kLookInTextId);
    EXPECT_FALSE(enabled(dialog, Dlg::kBeginSearchId));
    click(dialog, Dlg::kLookInCommentsId);
    EXPECT_TRUE(enabled(dialog, Dlg::kBeginSearchId));
    click(dialog, Dlg::kBeginSearchId);
    EXPECT_EQ(found(dialog), Strings{"{E-2}"});

    search(dialog, QStringLiteral("nowhere"));
    EXPECT_TRUE(shownIds(dialog).empty());
    EXPECT_TRUE(dialog->noEntriesLabel()->isVisible());
    dialog->results()->viewport()->repaint(); // stays until the next search
    EXPECT_TRUE(dialog->noEntriesLabel()->isVisible());
}

TEST_F(SearchDialogTest, DateRangeCouplesItsDaysAndLimitsTheSearch) {
    Dlg* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    auto* start = findControl<QDateEdit>(dialog, Dlg::kStartDateId);
    auto* end = findControl<QDateEdit>(dialog, Dlg::kEndDateId);
    EXPECT_FALSE(start->isEnabled());
    EXPECT_FALSE(end->isEnabled());
    click(dialog, Dlg::kBetweenId);
    ASSERT_TRUE(start->isEnabled());
    EXPECT_EQ(start->displayFormat(), QStringLiteral("MM/dd/yyyy"));

    // Typed with the keyboard: a start after the end moves the end, and the other way round.
    auto typeDate = [](QDateEdit* picker, const QString& text) {
        picker->setFocus();
        picker->setSelectedSection(QDateTimeEdit::MonthSection);
        QTest::keyClicks(picker, text);
        QTest::keyClick(picker, Qt::Key_Tab);
    };
    typeDate(end, QStringLiteral("03062024"));
    typeDate(start, QStringLiteral("03072024"));
    EXPECT_EQ(end->date(), QDate(2024, 3, 7));
    typeDate(end, QStringLiteral("03042024"));
    EXPECT_EQ(start->date(), QDate(2024, 3, 4));
    typeDate(end, QStringLiteral("03062024"));
    typeDate(start, QStringLiteral("03062024"));

    // One day, from its first minute to its last.
    search(dialog, QStringLiteral("a"));
    EXPECT_EQ(shownIds(dialog), Strings{"{E-2}"});
    EXPECT_EQ(cell(dialog, 0, 0), QStringLiteral("03/06/2024 09:15 PM")); // whatever the journal
    EXPECT_EQ(cell(dialog, 0, 2), QStringLiteral("Trips"));
}

TEST_F(SearchDialogTest, TopicsAreChosenThroughTheTopicDialog) {
    Dlg* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(enabled(dialog, Dlg::kAnyTopicId));
    EXPECT_FALSE(enabled(dialog, Dlg::kFindEntriesWithId));
    chooseTopics({0, 1});
    click(dialog, Dlg::kTopicsId);
    EXPECT_EQ(findControl<QLabel>(dialog, Dlg::kTopicNamesId)->text(),
              QStringLiteral("hills, sea"));
    EXPECT_TRUE(enabled(dialog, Dlg::kAnyTopicId));
    EXPECT_TRUE(enabled(dialog, Dlg::kAllTopicsId));

    search(dialog, QStringLiteral("a"));
    EXPECT_EQ(found(dialog), (Strings{"{E-1}", "{E-3}"})); // at least one of them
    click(dialog, Dlg::kAllTopicsId);
    click(dialog, Dlg::kBeginSearchId);
    EXPECT_EQ(found(dialog), Strings{"{E-1}"});

    // The topics chosen before come up ticked; choosing none disables the choice again.
    chooseTopics({});
    click(dialog, Dlg::kTopicsId);
    EXPECT_EQ(findControl<QLabel>(dialog, Dlg::kTopicNamesId)->text(), QString());
    EXPECT_FALSE(enabled(dialog, Dlg::kAllTopicsId));
    click(dialog, Dlg::kBeginSearchId);
    EXPECT_EQ(found(dialog).size(), 4u);
}

TEST_F(SearchDialogTest, ResultsSortAndDropEntriesThatAreGone) {
    Dlg* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    search(dialog, QStringLiteral("harbour"));
    ASSERT_EQ(shownIds(dialog).size(), 3u);
    QHeaderView* header = dialog->results()->header();
    auto clickHeader = [header](int column) {
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    };
    clickHeader(0);
    EXPECT_EQ(shownIds(dialog), (Strings{"{E-1}", "{E-2}", "{E-3}"}));
    clickHeader(0);
    EXPECT_EQ(shownIds(dialog), (Strings{"{E-3}", "{E-2}", "{E-1}"}));

    // Deleted meanwhile (here by another program): said so, and the row goes.
    const std::string gone = shownIds(dialog)[1];
    rawExec(journal.path(), "DELETE FROM Entry WHERE EntryID = '" + gone + "'");
    m_modals.then([](QWidget* box) {
        EXPECT_TRUE(messageText(box).startsWith(QStringLiteral("This entry is no longer")));
        clickButton(box, QStringLiteral("OK"));
    });
    // The row is clicked with the mouse; the double click itself is sent as the list's signal,
    // as QTest's double clicks merge with earlier clicks of the test run.
    QTreeView* results = dialog->results();
    QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, rowPoint(dialog, 1));
    emit results->doubleClicked(results->currentIndex());
    const Strings left = shownIds(dialog);
    EXPECT_EQ(left.size(), 2u);
    EXPECT_EQ(std::count(left.begin(), left.end(), gone), 0);
    EXPECT_EQ(count(dialog), QStringLiteral("2 entries found"));
}

// A double click delivered as the window system delivers one (press, release, press, release
// close together) opens that entry in the entry editor; a single click only selects.
TEST_F(SearchDialogTest, ADoubleClickOnAResultOpensItsEntryInTheEditor) {
    Dlg* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    search(dialog, QStringLiteral("harbourmaster"));
    settle();
    ASSERT_EQ(shownIds(dialog), Strings{"{E-3}"});
    ASSERT_EQ(m_app->Editor()->Frame(), nullptr);
    QTreeView* results = dialog->results();
    const QPoint row = results->viewport()->mapTo(dialog, rowPoint(dialog, 0));
    QWindow* window = dialog->windowHandle();
    ASSERT_NE(window, nullptr);
    QTest::mouseClick(window, Qt::LeftButton, {}, row);
    settle();
    EXPECT_EQ(results->currentIndex().row(), 0);
    EXPECT_EQ(m_app->Editor()->Frame(), nullptr);

    QTest::mouseDClick(window, Qt::LeftButton, {}, row);
    settle();
    CEntryFrame* editor = m_app->Editor()->Frame();
    ASSERT_NE(editor, nullptr);
    EXPECT_NE(editor->GetEntryText().find("harbourmaster"), std::string::npos);
}

TEST_F(SearchDialogTest, TheCommandRaisesTheOpenDialogAndTheJournalClosingClosesIt) {
    Dlg* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    chooseTopics({1});
    click(dialog, Dlg::kTopicsId);
    search(dialog, QStringLiteral("harbour"));
    ASSERT_EQ(shownIds(dialog).size(), 2u);

    // Search again: the same dialog, as it was.
    EXPECT_EQ(openDialog(), dialog);
    EXPECT_EQ(shownIds(dialog).size(), 2u);

    QPointer<Dlg> watched(dialog);
    trigger(&frame(), QStringLiteral("actionCloseJournal"));
    EXPECT_EQ(doc().m_pSearchDlg, nullptr);
    settle();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watched.isNull());
    EXPECT_FALSE(action(&frame(), QStringLiteral("actionSearch"))->isEnabled());

    // Another journal: the text is remembered, the other journal's topics are not.
    TestJournal other;
    other.addEntry("{O-1}", "2024-01-01 10:00", "{Root}", "harbour", true, rtf("x"));
    ASSERT_EQ(doc().OpenJournal(other.path()), CQBKDoc::OpenOk);
    Dlg* fresh = openDialog();
    ASSERT_NE(fresh, nullptr);
    EXPECT_TRUE(shownIds(fresh).empty());
    EXPECT_EQ(findControl<QLineEdit>(fresh, Dlg::kFindTextId)->text(), QStringLiteral("harbour"));
    EXPECT_EQ(findControl<QLabel>(fresh, Dlg::kTopicNamesId)->text(), QString());
    EXPECT_FALSE(enabled(fresh, Dlg::kAnyTopicId));
    click(fresh, Dlg::kBeginSearchId);
    EXPECT_EQ(shownIds(fresh), Strings{"{O-1}"});

    // Close (Esc) ends it; the next command makes a new one.
    QTest::keyClick(fresh, Qt::Key_Escape);
    EXPECT_EQ(doc().m_pSearchDlg, nullptr);
}

} // namespace
