// Which entries a print or an export takes, read from a real journal file.
#include "print/EntryChoice.h"

#include "export/EntryReader.h"
#include "protect/BlowfishEngine.h"
#include "store/SqlDatabase.h"
#include "store/SqlQuery.h"
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
        for (const long long row : ChosenEntryRows(journal.db(), choice))
            result.push_back(
                journal.db()
                    .query("SELECT EntryID FROM Entry WHERE rowid = " + std::to_string(row))
                    .textField(0));
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

TEST_F(EntryChoiceTest, APrintReadsTheStoredTextAndTitleAndSkipsARowGoneSinceTheChoice) {
    BlowfishEngine cipher;
    cipher.SetKey(TestJournal::kContentKey);
    EntryChoice choice;
    choice.what = EntryChoice::CurrentFolder;
    choice.folderId = "{F-WORK}";
    EntryReader reader(journal.db(), cipher, ChosenEntryRows(journal.db(), choice),
                       EntryReader::Reads::StoredText);
    ASSERT_EQ(reader.count(), 3u);
    journal.db().execute("DELETE FROM Entry WHERE EntryID = '{E-LAST}'");
    std::vector<std::string> read;
    ExportedEntry entry;
    while (reader.next(entry))
        read.push_back(entry.storedText + " / " + entry.when.toStdString());
    EXPECT_EQ(read, (std::vector<std::string>{"early / Sunday, March 01 2026 11:59 PM",
                                              "late / Wednesday, March 04 2026 12:00 AM"}));
}

} // namespace
