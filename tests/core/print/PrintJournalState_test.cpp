// The Print Journal dialog's rules: what it offers, what it enables, how its days move.
#include "core/print/PrintJournalState.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

const COleDateTime kToday(2026, 3, 10, 14, 25, 7);

TEST(PrintJournalState, OpensOnTheChoiceTheSelectionAllows) {
    // Entry and folder selected; the choice opened on; Selected Entry, Current Folder offered.
    const std::tuple<const char*, const char*, int, bool, bool> cases[] = {
        {"{E1}", "{F1}", EntryChoice::SelectedEntry, true, true},
        {"{E1}", "{Root}", EntryChoice::SelectedEntry, true, true},
        {"", "{F1}", EntryChoice::CurrentFolder, false, true},
        {"", "{Root}", EntryChoice::AllEntries, false, false},
        // The all-entries selection is a folder of its own for this rule.
        {"", "{All Entries}", EntryChoice::CurrentFolder, false, true},
    };
    for (const auto& [entry, folder, what, selectedOffered, folderOffered] : cases) {
        const PrintJournalState state(entry, folder, kToday);
        SCOPED_TRACE(std::string(entry) + " in " + folder);
        EXPECT_EQ(state.m_nPrintWhat, what);
        EXPECT_EQ(state.SelectedEntryEnabled(), selectedOffered);
        EXPECT_EQ(state.CurrentFolderEnabled(), folderOffered);
        EXPECT_FALSE(state.m_bBetween);
        EXPECT_EQ(state.FirstDay(), COleDateTime(2026, 3, 10, 0, 0, 0));
        EXPECT_EQ(state.LastDay(), COleDateTime(2026, 3, 10, 0, 0, 0));
    }
}

TEST(PrintJournalState, BetweenAndDaysFollowTheChoice) {
    PrintJournalState state("{E1}", "{F1}", kToday);
    // The choice and the Between tick set; Between and the days enabled.
    const std::tuple<int, bool, bool, bool> steps[] = {
        {EntryChoice::SelectedEntry, false, false, false},
        {EntryChoice::SelectedEntry, true, false, false},
        {EntryChoice::AllEntries, true, true, true},
        {EntryChoice::AllEntries, false, true, false},
        {EntryChoice::CurrentFolder, true, true, true},
    };
    for (const auto& [what, between, betweenEnabled, datesEnabled] : steps) {
        state.m_nPrintWhat = what;
        state.m_bBetween = between;
        EXPECT_EQ(state.BetweenEnabled(), betweenEnabled) << what << between;
        EXPECT_EQ(state.DatesEnabled(), datesEnabled) << what << between;
        // A ticked Between that is disabled applies no dates.
        EXPECT_EQ(state.Choice().between, datesEnabled);
    }
}

TEST(PrintJournalState, DaysNeverInvertAndRunFromMidnightToTheLastSecond) {
    PrintJournalState state("", "{F1}", kToday);
    state.SetFirstDay(COleDateTime(2026, 3, 15, 9, 0, 0)); // after the last day: it follows
    EXPECT_EQ(state.LastDay(), COleDateTime(2026, 3, 15, 0, 0, 0));
    state.SetLastDay(COleDateTime(2026, 3, 20, 0, 0, 0)); // later: the first day stays
    EXPECT_EQ(state.FirstDay(), COleDateTime(2026, 3, 15, 0, 0, 0));
    state.SetLastDay(COleDateTime(2026, 2, 1, 0, 0, 0)); // before the first: it goes back
    EXPECT_EQ(state.FirstDay(), COleDateTime(2026, 2, 1, 0, 0, 0));
    state.SetFirstDay(COleDateTime(2026, 1, 5, 18, 0, 0)); // earlier: the last day stays
    EXPECT_EQ(state.LastDay(), COleDateTime(2026, 2, 1, 0, 0, 0));

    // The range chosen runs from the first day's midnight to the last day's last second.
    state.m_bBetween = true;
    const EntryChoice choice = state.Choice();
    EXPECT_EQ(choice.what, EntryChoice::CurrentFolder);
    EXPECT_EQ(choice.folderId, "{F1}");
    EXPECT_TRUE(choice.between);
    EXPECT_EQ(choice.from, COleDateTime(2026, 1, 5, 0, 0, 0));
    EXPECT_EQ(choice.to, COleDateTime(2026, 2, 1, 23, 59, 59));
}

} // namespace
