#include "core/browser/DropRules.h"
#include "core/browser/EntryListSort.h"
#include "core/browser/FolderEdits.h"
#include "core/session/PaneCommandRules.h"

#include <gtest/gtest.h>

namespace {

using Ids = std::vector<std::string>;

TEST(EntryListSortTest, InFolderColumnKeepsTheMeaningOfTheRememberedSort) {
    // The sorted column without "In Folder", and once it is shown at 2: date and comment stay
    // where they are; topics moves right with its column.
    const std::pair<int, int> cases[] = {{0, 0}, {1, 1}, {2, 3}};
    for (const auto& [before, afterShow] : cases) {
        EntryListSortState state;
        state.column = before;
        EXPECT_TRUE(state.showInFolder());
        EXPECT_EQ(state.column, afterShow) << before;
        EXPECT_FALSE(state.showInFolder()) << "already shown: nothing moves";
        EXPECT_EQ(state.column, afterShow);
        EXPECT_TRUE(state.hideInFolder());
        EXPECT_EQ(state.column, before);
        EXPECT_FALSE(state.hideInFolder());
        EXPECT_EQ(state.column, before);
    }
    // A sort by the folder column, which goes, becomes a sort by date.
    EntryListSortState state;
    state.inFolderShown = true;
    state.column = 2;
    state.ascending = false;
    EXPECT_TRUE(state.hideInFolder());
    EXPECT_EQ(state.column, 0);
    EXPECT_FALSE(state.ascending);
}

TEST(EntryListSortTest, HeaderClickReversesOnlyTheSortedColumn) {
    EntryListSortState state;
    EXPECT_FALSE(state.ascendingForClick(0));
    EXPECT_TRUE(state.ascendingForClick(1));
    state.ascending = false;
    EXPECT_TRUE(state.ascendingForClick(0));
    EXPECT_TRUE(state.ascendingForClick(3));
}

TEST(EntryListSortTest, RowOrderIsStableInBothDirections) {
    const auto row = [](const char* comment, int day) {
        EntryRow r;
        r.comment = comment;
        r.timestamp = COleDateTime(2024, 1, day, 0, 0, 0);
        return r;
    };
    const std::vector<EntryRow> rows{row("beta", 3), row("Alpha", 1), row("alpha", 2), row("", 4)};
    EXPECT_EQ(SortedRowOrder(rows, 1, true, false), (std::vector<std::size_t>{3, 1, 2, 0}));
    EXPECT_EQ(SortedRowOrder(rows, 1, false, false), (std::vector<std::size_t>{0, 1, 2, 3}));
    EXPECT_EQ(SortedRowOrder(rows, 0, false, false), (std::vector<std::size_t>{3, 0, 2, 1}));
    EXPECT_EQ(SortedRowOrder(rows, 7, true, false), (std::vector<std::size_t>{0, 1, 2, 3}));
    EXPECT_TRUE(SortedRowOrder({}, 0, true, false).empty());
}

TEST(DropRulesTest, FolderDropRefusals) {
    // Tree: {Root} > A > A1 > A1a, {Root} > B. Dragging A1 (parent A).
    const std::pair<Ids, bool> cases[] = {
        {{"B", "{Root}"}, true},
        {{"{Root}"}, true},
        {{"A", "{Root}"}, false},              // its own parent
        {{"A1", "A", "{Root}"}, false},        // itself
        {{"A1a", "A1", "A", "{Root}"}, false}, // below itself
        {{}, false},                           // no item
    };
    for (const auto& [targetPath, allowed] : cases)
        EXPECT_EQ(FolderDropAllowed("A1", "A", targetPath), allowed)
            << ::testing::PrintToString(targetPath);
    // The root has no parent and everything lies below it.
    EXPECT_FALSE(FolderDropAllowed("{Root}", "", {"B", "{Root}"}));
}

TEST(DropRulesTest, EntryDropRefusals) {
    EXPECT_TRUE(EntryDropAllowed("{F-2}", "{F-1}"));
    EXPECT_TRUE(EntryDropAllowed("{F-2}", "{Root}"));
    EXPECT_FALSE(EntryDropAllowed("{F-1}", "{F-1}"));
    EXPECT_FALSE(EntryDropAllowed("{Root}", "{F-1}"));
    EXPECT_FALSE(EntryDropAllowed("{All Entries}", "{F-1}"));
    EXPECT_FALSE(EntryDropAllowed("", "{F-1}"));
}

TEST(DropRulesTest, AutoScrollSpeedsUpWithDistanceBeyondTheEdge) {
    const int top = 100;
    const int bottom = 400;
    // The zone starts 10 pixels inside each edge: a line every 6 ticks, one tick quicker for
    // each 20 pixels further out, never quicker than every tick.
    const std::pair<int, int> cases[] = {{250, 0}, {110, 0}, {109, 6}, {100, 6},
                                         {91, 6},  {90, 5},  {70, 4},  {-200, 1},
                                         {390, 0}, {391, 6}, {410, 5}, {2000, 1}};
    for (const auto& [y, delay] : cases)
        EXPECT_EQ(AutoScrollDelay(y, top, bottom), delay) << y;

    // Lines come on multiples of the delay.
    int lines = 0;
    for (unsigned tick = 1; tick <= 30; ++tick)
        lines += AutoScrollStep(105, top, bottom, tick) == AutoScroll::Up;
    EXPECT_EQ(lines, 5);
    EXPECT_EQ(AutoScrollStep(395, top, bottom, 12), AutoScroll::Down);
    EXPECT_EQ(AutoScrollStep(395, top, bottom, 13), AutoScroll::None);
    EXPECT_EQ(AutoScrollStep(250, top, bottom, 12), AutoScroll::None);
}

TEST(PaneCommandRulesTest, FolderCommands) {
    // New, Rename and Delete (of a folder without entries); -1: not asked.
    struct Case {
        FolderSelection s; // open, pane shown, selection, root, children, folder
        int canNew, canRename, canDelete;
    };
    const Case cases[] = {
        {{true, true, true, false, false, "{F-1}"}, 1, 1, 1},
        {{false, true, true, false, false, "{F-1}"}, 0, 0, 0},  // no journal
        {{true, true, false, false, false, "{F-1}"}, 0, 0, 0},  // nothing selected
        {{true, false, true, false, false, "{F-1}"}, 0, 1, -1}, // pane hidden
        {{true, true, true, true, false, "{Root}"}, 1, 0, 0},   // the root
        {{true, true, true, false, false, "{All Entries}"}, 0, 0, -1},
    };
    const auto empty = [](const std::string&) { return false; };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.s.currentFolderId + (c.s.journalOpen ? "" : " closed") +
                     (c.s.paneShown ? "" : " hidden") + (c.s.hasSelection ? "" : " unselected"));
        EXPECT_EQ(CanNewFolder(c.s), c.canNew == 1);
        EXPECT_EQ(CanRenameFolder(c.s), c.canRename == 1);
        if (c.canDelete >= 0) {
            EXPECT_EQ(CanDeleteFolder(c.s, empty), c.canDelete == 1);
        }
    }
    // A folder with entries or with folders below it is not deleted; the journal is asked
    // only when nothing else refuses.
    FolderSelection s{true, true, true, false, false, "{F-1}"};
    EXPECT_FALSE(CanDeleteFolder(s, [](const std::string&) { return true; }));
    s.hasChildren = true;
    bool asked = false;
    EXPECT_FALSE(CanDeleteFolder(s, [&](const std::string&) { return asked = true, false; }));
    EXPECT_FALSE(asked);
}

TEST(PaneCommandRulesTest, TopicCommandsWantOneTopic) {
    EXPECT_TRUE(CanEditTopic(true, 1));
    EXPECT_FALSE(CanEditTopic(true, 0));
    EXPECT_FALSE(CanEditTopic(true, 2));
    EXPECT_FALSE(CanEditTopic(false, 1));
}

TEST(FolderEditsTest, MovedFolderGoesAmongSiblingsAlphabetically) {
    const QStringList siblings{QStringLiteral("attic"), QStringLiteral("Garden"),
                               QStringLiteral("zoo")};
    EXPECT_EQ(SortedInsertPosition(siblings, QStringLiteral("Basement")), 1);
    EXPECT_EQ(SortedInsertPosition(siblings, QStringLiteral("Aardvark")), 0);
    EXPECT_EQ(SortedInsertPosition(siblings, QStringLiteral("garden")), 2);
    EXPECT_EQ(SortedInsertPosition(siblings, QStringLiteral("Zulu")), 3);
    EXPECT_EQ(SortedInsertPosition({}, QStringLiteral("Any")), 0);
}

} // namespace
