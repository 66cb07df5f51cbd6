// The calendar pane in the running main window: View > Calendar shows it, a click on a
// marked day lists that day's entries under a caption that says so, a folder goes back.
#include "gui/app/CMainFrame.h"
#include "gui/browser/CEntryListView.h"
#include "gui/browser/CFolderListView.h"
#include "gui/browser/CQBKView.h"
#include "gui/browser/CalendarPane.h"
#include "gui/browser/CalendarPaneGrid.h"
#include "gui/platform/CaptionBar.h"
#include "support/AppTest.h"
#include "support/TestJournal.h"

#include <QLocale>
#include <QTest>
#include <QTreeWidget>

TEST_F(AppTest, ClickingAMarkedDayListsItsEntriesAndAFolderGoesBack) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    TestJournal journal;
    journal.addFolder("{F}", "{Root}", "Work");
    journal.addEntry("{E-1}", "2026-12-07 08:00", "{F}", "filed", true);
    journal.addEntry("{E-2}", "2026-12-07 23:59", "{Root}", "top", true);
    journal.addEntry("{E-3}", "2026-12-08 00:00", "{Root}", "next day", true);
    ASSERT_NO_FATAL_FAILURE(openOnRealPanes(journal.path()));
    trigger(&frame(), QStringLiteral("actionViewCalendar"));
    CalendarPane* pane = frame().Calendar();
    ASSERT_TRUE(pane && pane->IsShown());
    CalendarPaneGrid* grid = pane->grid();
    grid->selectDay(QDate(2026, 12, 1));
    settle();
    EXPECT_EQ(grid->countOf(QDate(2026, 12, 7)), 2);
    EXPECT_EQ(grid->countOf(QDate(2026, 12, 6)), 0);

    const auto [row, column] = *grid->month().cellOf(QDate(2026, 12, 7));
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->dayRect(row, column).center());
    settle();
    ASSERT_EQ(entryList().rowCount(), 2);
    EXPECT_NE(entryList().rowOf("{E-1}"), -1); // filed in a folder, listed all the same
    EXPECT_NE(entryList().rowOf("{E-2}"), -1);
    EXPECT_EQ(frame().View()->caption()->text(), QStringLiteral("Entries of 7 December 2026"));

    auto* tree = static_cast<CFolderListView*>(frame().View()->pane(CQBKView::Pane::FolderTree))
                     ->treeControl();
    tree->setCurrentItem(tree->findItems(QStringLiteral("Work"), Qt::MatchRecursive).front());
    settle();
    EXPECT_EQ(entryList().rowCount(), 1);
    EXPECT_EQ(frame().View()->caption()->text(), QStringLiteral("Work"));
    trigger(&frame(), QStringLiteral("actionViewCalendar")); // leaves the setting as it was
}
