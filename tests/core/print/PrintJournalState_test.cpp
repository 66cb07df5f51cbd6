// The Print Journal dialog's rules: what it offers, what it enables, how its days move.
#include "print/PrintJournalState.h"

#include <gtest/gtest.h>

namespace {

const COleDateTime kToday(2026, 3, 10, 14, 25, 7);

TEST(PrintJournalState, OpensOnTheChoiceTheSelectionAllows) {
    struct Case {
        const char* entry;
        const char* folder;
        int what;
        bool selectedOffered;
        bool folderOffered;
    };
    const Case cases[] = {
        {"{E1}", "{F1}", EntryChoice::SelectedEntry, true, true},
        {"{E1}", "{Root}", EntryChoice::SelectedEntry, true, true},
        {"", "{F1}", EntryChoice::CurrentFolder, false, true},
        {"", "{Root}", EntryChoice::AllEntries, false, false},
        // The all-entries selection is a folder of its own for this rule.
        {"", "{All Entries}", EntryChoice::CurrentFolder, false, true},
    };
    for (const Case& c : cases) {
        const PrintJournalState state(c.entry, c.folder, kToday);
        SCOPED_TRACE(std::string(c.entry) + " in " + c.folder);
        EXPECT_EQ(state.m_nPrintWhat, c.what);
        EXPECT_EQ(state.SelectedEntryEnabled(), c.selectedOffered);
        EXPECT_EQ(state.CurrentFolderEnabled(), c.folderOffered);
        EXPECT_FALSE(state.m_bBetween);
        EXPECT_EQ(state.FirstDay(), COleDateTime(2026, 3, 10, 0, 0, 0));
        EXPECT_EQ(state.LastDay(), COleDateTime(2026, 3, 10, 0, 0, 0));
    }
}

TEST(PrintJournalState, BetweenAndDaysFollowTheChoice) {
    PrintJournalState state("{E1}", "{F1}", kToday);
    struct Step {
        int what;
        bool between;
        bool betweenEnabled;
        bool datesEnabled;
    };
    const Step steps[] = {
        {EntryChoice::SelectedEntry, false, false, false},
        {EntryChoice::SelectedEntry, true, false, false},
        {EntryChoice::AllEntries, true, true, true},
        {EntryChoice::AllEntries, false, true, false},
        {EntryChoice::CurrentFolder, true, true, true},
    };
    for (const Step& step : steps) {
        state.m_nPrintWhat = step.what;
        state.m_bBetween = step.between;
        EXPECT_EQ(state.BetweenEnabled(), step.betweenEnabled) << step.what << step.between;
        EXPECT_EQ(state.DatesEnabled(), step.datesEnabled) << step.what << step.between;
        // A ticked Between that is disabled applies no dates.
        EXPECT_EQ(state.Choice().between, step.datesEnabled);
    }
}

TEST(PrintJournalState, DaysNeverInvert) {
    PrintJournalState state("", "{F1}", kToday);
    state.SetFirstDay(COleDateTime(2026, 3, 15, 9, 0, 0)); // after the last day: it follows
    EXPECT_EQ(state.LastDay(), COleDateTime(2026, 3, 15, 0, 0, 0));
    state.SetLastDay(COleDateTime(2026, 3, 20, 0, 0, 0)); // later: the first day stays
    EXPECT_EQ(state.FirstDay(), COleDateTime(2026, 3, 15, 0, 0, 0));
    state.SetLastDay(COleDateTime(2026, 2, 1, 0, 0, 0)); // before the first: it goes back
    EXPECT_EQ(state.FirstDay(), COleDateTime(2026, 2, 1, 0, 0, 0));
    state.SetFirstDay(COleDateTime(2026, 1, 5, 0, 0, 0)); // earlier: the last day stays
    EXPECT_EQ(state.LastDay(), COleDateTime(2026, 2, 1, 0, 0, 0));
}

TEST(PrintJournalState, OkRangeRunsFromMidnightToTheLastSecond) {
    PrintJournalState state("", "{F1}", kToday);
    state.m_bBetween = true;
    state.SetFirstDay(COleDateTime(2026, 2, 27, 18, 0, 0));
    state.SetLastDay(COleDateTime(2026, 3, 1, 6, 0, 0));
    const EntryChoice choice = state.Choice();
    EXPECT_EQ(choice.what, EntryChoice::CurrentFolder);
    EXPECT_EQ(choice.folderId, "{F1}");
    EXPECT_TRUE(choice.between);
    EXPECT_EQ(choice.from, COleDateTime(2026, 2, 27, 0, 0, 0));
    EXPECT_EQ(choice.to, COleDateTime(2026, 3, 1, 23, 59, 59));
}

} // namespace
