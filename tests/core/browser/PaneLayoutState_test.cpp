#include "core/browser/PaneLayoutState.h"

#include <gtest/gtest.h>

namespace {

// What the user sees in the left column: folders, topics, both, or nothing.
struct LeftColumn {
    bool folders;
    bool topics;
    bool operator==(const LeftColumn&) const = default;
};

// One command and what it should leave: whether anything changed and what is seen.
struct Step {
    char command; // F/f show/hide folders, T/t show/hide topics
    bool changed;
    LeftColumn after;
};

// Runs the commands from a fresh layout; the flags must always match what is on screen.
void run(std::initializer_list<Step> steps) {
    PaneLayoutState state;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.command);
        const bool changed = step.command == 'F'   ? state.showFolders()
                             : step.command == 'f' ? state.hideFolders()
                             : step.command == 'T' ? state.showTopics()
                                                   : state.hideTopics();
        EXPECT_EQ(changed, step.changed);
        EXPECT_EQ((LeftColumn{state.folderPaneVisible(), state.topicPaneVisible()}), step.after);
        EXPECT_EQ(state.mainSplit().visible(0), step.after.folders || step.after.topics);
        EXPECT_EQ(state.foldersShown(), state.folderPaneVisible());
        EXPECT_EQ(state.topicsShown(), state.topicPaneVisible());
        EXPECT_EQ(state.captionOffersFolders(), !state.foldersShown());
    }
}

TEST(PaneLayoutState, EveryTransitionLandsInItsStateWhateverThePathTaken) {
    PaneLayoutState fresh;
    EXPECT_EQ((LeftColumn{fresh.folderPaneVisible(), fresh.topicPaneVisible()}),
              (LeftColumn{true, false}));
    EXPECT_TRUE(fresh.previewShown());

    run({{'f', true, {false, false}},
         {'F', true, {true, false}},
         {'T', true, {true, true}},
         {'f', true, {false, true}},
         {'F', true, {true, true}}, // folders back above topics
         {'t', true, {true, false}}});
    run({{'f', true, {false, false}}, {'T', true, {false, true}}, {'t', true, {false, false}}});
    // The column hidden while the topic row was the one left: showing the folders must not
    // bring back the topics instead.
    run({{'T', true, {true, true}},
         {'f', true, {false, true}},
         {'t', true, {false, false}},
         {'F', true, {true, false}}});
    // Asking for the state already there changes nothing.
    run({{'F', false, {true, false}},
         {'t', false, {true, false}},
         {'f', true, {false, false}},
         {'f', false, {false, false}},
         {'t', false, {false, false}},
         {'T', true, {false, true}},
         {'T', false, {false, true}}});
}

TEST(PaneLayoutState, TopicsToggleFollowsTheFlagAndPreviewIsIndependent) {
    PaneLayoutState state;
    EXPECT_TRUE(state.toggleTopics());
    EXPECT_FALSE(state.togglePreview());
    EXPECT_FALSE(state.rightSplit().visible(1));
    EXPECT_TRUE(state.rightSplit().visible(0));
    EXPECT_EQ((LeftColumn{state.folderPaneVisible(), state.topicPaneVisible()}),
              (LeftColumn{true, true}));
    EXPECT_TRUE(state.togglePreview());
    EXPECT_TRUE(state.previewPaneVisible());
    EXPECT_TRUE(state.toggleTopics());
    EXPECT_FALSE(state.topicsShown());
}

} // namespace
