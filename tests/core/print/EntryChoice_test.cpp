// Which entries a print takes, read from a real journal file.
#include "print/EntryChoice.h"

#include "protect/BlowfishEngine.h"
#include "store/TimeStamp.h"
#include "support/TestJournal.h"

#include <gtest/gtest.h>

namespace {

class EntryChoiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        journal.addFolder("{F-WORK}", "{Root}", "Work");
        journal.addFolder("{F-SUB}", "{F-WORK}", "Meetings");
        journal.addFolder("{F-O'HARA}", "{Root}", "O'Hara");
        // Written out of date order, so that the order printed comes from the dates.
        journal.addEntry("{E-LATE}", "2026-03-04 00:00", "{F-WORK}", "", false, "late");
        journal.addEntry("{E-LAST}", "2026-03-03 23:59", "{F-WORK}", "", false, "last");
        journal.addEntry("{E-FIRST}", "2026-03-02 00:00", "{Root}", "", false, "first");
        journal.addEntry("{E-EARLY}", "2026-03-01 23:59", "{F-WORK}", "", false, "early");
        journal.addEntry("{E-SUB}", "2026-03-02 12:00", "{F-SUB}", "", false, "sub");
        journal.addEntry("{E-TWIN}", "2026-03-02 12:00", "{F-O'HARA}", "", false, "twin");
    }

    std::vector<std::string> ids(const EntryChoice& choice) {
        std::vector<std::string> result;
        for (const ChosenEntry& entry : ChooseEntries(journal.db(), choice))
            result.push_back(entry.entryId);
        return result;
    }

    static EntryChoice days(int what, int firstDay, int lastDay) {
        EntryChoice choice;
        choice.what = what;
        choice.between = true;
        choice.from = StartOfDay(COleDateTime(2026, 3, firstDay, 15, 30, 0));
        choice.to = EndOfDay(COleDateTime(2026, 3, lastDay, 8, 0, 0));
        return choice;
    }

    TestJournal journal;
};

TEST_F(EntryChoiceTest, EveryEntryInDateOrderThenInOrderWritten) {
    EXPECT_EQ(ids(EntryChoice{}), (std::vector<std::string>{"{E-EARLY}", "{E-FIRST}", "{E-SUB}",
                                                            "{E-TWIN}", "{E-LAST}", "{E-LATE}"}));
}

TEST_F(EntryChoiceTest, DaysIncludeBothEndsToTheMinute) {
    // 00:00 of the first day and 23:59 of the last are in; a minute outside either is not.
    EXPECT_EQ(ids(days(EntryChoice::AllEntries, 2, 3)),
              (std::vector<std::string>{"{E-FIRST}", "{E-SUB}", "{E-TWIN}", "{E-LAST}"}));
    EXPECT_EQ(ids(days(EntryChoice::AllEntries, 4, 4)), (std::vector<std::string>{"{E-LATE}"}));
    EXPECT_TRUE(ids(days(EntryChoice::AllEntries, 5, 9)).empty());
    // Dates are not applied unless Between is ticked.
    EntryChoice unticked = days(EntryChoice::AllEntries, 5, 9);
    unticked.between = false;
    EXPECT_EQ(ids(unticked).size(), 6u);
}

TEST_F(EntryChoiceTest, FolderChoiceTakesThatFolderOnlyWithOrWithoutDays) {
    EntryChoice work;
    work.what = EntryChoice::CurrentFolder;
    work.folderId = "{F-WORK}";
    EXPECT_EQ(ids(work), (std::vector<std::string>{"{E-EARLY}", "{E-LAST}", "{E-LATE}"}));

    EntryChoice between = days(EntryChoice::CurrentFolder, 2, 3);
    between.folderId = "{F-WORK}";
    EXPECT_EQ(ids(between), (std::vector<std::string>{"{E-LAST}"}));

    // An apostrophe in an id is data, not the end of the statement's text.
    EntryChoice quoted;
    quoted.what = EntryChoice::CurrentFolder;
    quoted.folderId = "{F-O'HARA}";
    EXPECT_EQ(ids(quoted), (std::vector<std::string>{"{E-TWIN}"}));
    quoted.folderId = "x' OR '1'='1";
    EXPECT_TRUE(ids(quoted).empty());
}

TEST_F(EntryChoiceTest, SelectedEntryIgnoresTheDays) {
    EntryChoice selected = days(EntryChoice::SelectedEntry, 20, 21);
    selected.entryId = "{E-LATE}";
    EXPECT_EQ(ids(selected), (std::vector<std::string>{"{E-LATE}"}));
    selected.entryId = "{E-GONE}";
    EXPECT_TRUE(ids(selected).empty());
}

TEST_F(EntryChoiceTest, ReadsTheTextAndTitleOfAChosenRow) {
    BlowfishEngine cipher;
    cipher.SetKey(TestJournal::kContentKey);
    const std::string format = DisplayFormat(journal.db());
    EntryChoice choice;
    choice.what = EntryChoice::SelectedEntry;
    choice.entryId = "{E-LAST}";
    const std::vector<ChosenEntry> chosen = ChooseEntries(journal.db(), choice);
    ASSERT_EQ(chosen.size(), 1u);
    const PrintableEntry entry = ReadPrintableEntry(journal.db(), cipher, chosen[0].rowid, format);
    EXPECT_EQ(entry.text, "last");
    EXPECT_EQ(entry.title, "Tuesday, March 03 2026 11:59 PM");

    // A row deleted after the choice was made prints as an empty entry.
    journal.db().execute("DELETE FROM Entry WHERE EntryID = '{E-LAST}'");
    const PrintableEntry gone = ReadPrintableEntry(journal.db(), cipher, chosen[0].rowid, format);
    EXPECT_EQ(gone.text, "");
    EXPECT_EQ(gone.title, "");
}

} // namespace
