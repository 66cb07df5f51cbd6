#include "browser/PaneLayoutState.h"

#include <gtest/gtest.h>

namespace {

// What the user sees in the left column: folders, topics, both, or nothing.
struct LeftColumn {
    bool folders;
    bool topics;
    bool operator==(const LeftColumn&) const = default;
};

LeftColumn seen(const PaneLayoutState& state) {
    return {state.folderPaneVisible(), state.topicPaneVisible()};
}

// The flags must always describe what is on screen.
void expectConsistent(const PaneLayoutState& state) {
    EXPECT_EQ(state.foldersShown(), state.folderPaneVisible());
    EXPECT_EQ(state.topicsShown(), state.topicPaneVisible());
    EXPECT_EQ(state.previewShown(), state.previewPaneVisible());
    EXPECT_EQ(state.captionOffersFolders(), !state.foldersShown());
}

TEST(PaneLayoutState, StartsWithFoldersAndPreviewShownAndTopicsHidden) {
    PaneLayoutState state;
    EXPECT_EQ(seen(state), (LeftColumn{true, false}));
    EXPECT_TRUE(state.previewShown());
    EXPECT_TRUE(state.mainSplit().visible(0));
    EXPECT_FALSE(state.leftSplit().visible(1));
    expectConsistent(state);
}

TEST(PaneLayoutState, EveryTransitionOfTheTableLandsInItsState) {
    // (yes, no) -> hide folders -> (no, no): the whole column goes.
    PaneLayoutState a;
    EXPECT_TRUE(a.hideFolders());
    EXPECT_EQ(seen(a), (LeftColumn{false, false}));
    EXPECT_FALSE(a.mainSplit().visible(0));
    expectConsistent(a);

    // (no, no) -> show folders -> (yes, no)
    EXPECT_TRUE(a.showFolders());
    EXPECT_EQ(seen(a), (LeftColumn{true, false}));
    expectConsistent(a);

    // (yes, no) -> show topics -> (yes, yes)
    EXPECT_TRUE(a.showTopics());
    EXPECT_EQ(seen(a), (LeftColumn{true, true}));
    expectConsistent(a);

    // (yes, yes) -> hide folders -> (no, yes): the column stays, only the row goes.
    EXPECT_TRUE(a.hideFolders());
    EXPECT_EQ(seen(a), (LeftColumn{false, true}));
    EXPECT_TRUE(a.mainSplit().visible(0));
    expectConsistent(a);

    // (no, yes) -> show folders -> (yes, yes), folders back above topics.
    EXPECT_TRUE(a.showFolders());
    EXPECT_EQ(seen(a), (LeftColumn{true, true}));
    expectConsistent(a);

    // (yes, yes) -> hide topics -> (yes, no)
    EXPECT_TRUE(a.hideTopics());
    EXPECT_EQ(seen(a), (LeftColumn{true, false}));
    expectConsistent(a);

    // (no, no) -> show topics -> (no, yes)
    PaneLayoutState b;
    b.hideFolders();
    EXPECT_TRUE(b.showTopics());
    EXPECT_EQ(seen(b), (LeftColumn{false, true}));
    expectConsistent(b);

    // (no, yes) -> hide topics -> (no, no)
    EXPECT_TRUE(b.hideTopics());
    EXPECT_EQ(seen(b), (LeftColumn{false, false}));
    expectConsistent(b);
}

TEST(PaneLayoutState, ColumnHiddenWithTopicsRowStillHiddenComesBackRight) {
    // Reach (no, no) from (no, yes): the left splitter has the folder row hidden. Showing the
    // folders must not bring back the topics instead.
    PaneLayoutState state;
    state.showTopics();
    state.hideFolders();
    state.hideTopics();
    EXPECT_FALSE(state.leftSplit().visible(0));
    state.showFolders();
    EXPECT_EQ(seen(state), (LeftColumn{true, false}));
    expectConsistent(state);

    // And the other way round: (no, no) reached from (yes, no), then topics shown alone.
    PaneLayoutState other;
    other.hideFolders();
    other.showTopics();
    EXPECT_EQ(seen(other), (LeftColumn{false, true}));
    expectConsistent(other);
}

TEST(PaneLayoutState, AskingForTheStateAlreadyThereChangesNothing) {
    PaneLayoutState state;
    EXPECT_FALSE(state.showFolders());
    EXPECT_FALSE(state.hideTopics());
    state.hideFolders();
    EXPECT_FALSE(state.hideFolders());
    // Hide folders, then hide topics (already hidden), then show topics: topics alone.
    EXPECT_FALSE(state.hideTopics());
    EXPECT_TRUE(state.showTopics());
    EXPECT_EQ(seen(state), (LeftColumn{false, true}));
    EXPECT_FALSE(state.showTopics());
    expectConsistent(state);
}

TEST(PaneLayoutState, TogglesFollowTheFlagsAndPreviewIsIndependent) {
    PaneLayoutState state;
    EXPECT_TRUE(state.toggleTopics());
    EXPECT_TRUE(state.topicsShown());
    EXPECT_TRUE(state.toggleFolders());
    EXPECT_FALSE(state.foldersShown());
    EXPECT_FALSE(state.togglePreview());
    EXPECT_FALSE(state.rightSplit().visible(1));
    EXPECT_TRUE(state.rightSplit().visible(0));
    EXPECT_EQ(seen(state), (LeftColumn{false, true}));
    EXPECT_TRUE(state.togglePreview());
    EXPECT_TRUE(state.toggleFolders());
    EXPECT_TRUE(state.toggleTopics());
    EXPECT_EQ(seen(state), (LeftColumn{true, false}));
    expectConsistent(state);
}

} // namespace
