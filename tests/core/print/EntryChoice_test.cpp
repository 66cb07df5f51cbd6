// Which entries a print or an export takes, read from a real journal file.
#include "core/print/EntryChoice.h"

#include "core/export/EntryReader.h"
#include "core/export/ExportDialogValues.h"
#include "core/store/SqlDatabase.h"
#include "support/RawSqlite.h"
#include "support/TestJournal.h"

#include <gtest/gtest.h>

namespace {

using Ids = std::vector<std::string>;

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

    Ids ids(const EntryChoice& choice) {
        Ids result;
        for (const long long row : ChosenEntryRows(journal.db(), choice))
            result.push_back(rawValue(journal.path(), "SELECT EntryID FROM Entry WHERE rowid = " +
                                                          std::to_string(row)));
        return result;
    }

    // Days from the first to the last of March 2026, picked at some hour of each.
    static EntryChoice days(int what, int firstDay, int lastDay, const char* folderId = "") {
        EntryChoice choice = inFolder(folderId);
        choice.what = what;
        choice.between = true;
        choice.from = StartOfDay(COleDateTime(2026, 3, firstDay, 15, 30, 0));
        choice.to = EndOfDay(COleDateTime(2026, 3, lastDay, 8, 0, 0));
        return choice;
    }
    static EntryChoice inFolder(const char* folderId) {
        EntryChoice choice;
        choice.what = EntryChoice::CurrentFolder;
        choice.folderId = folderId;
        return choice;
    }

    TestJournal journal;
};

TEST_F(EntryChoiceTest, EveryEntryInDateOrderThenInOrderWritten) {
    EXPECT_EQ(ids(EntryChoice{}),
              (Ids{"{E-EARLY}", "{E-FIRST}", "{E-SUB}", "{E-TWIN}", "{E-LAST}", "{E-LATE}"}));
}

TEST_F(EntryChoiceTest, DaysIncludeBothEndsToTheMinute) {
    // 00:00 of the first day and 23:59 of the last are in; a minute outside either is not.
    EXPECT_EQ(ids(days(EntryChoice::AllEntries, 2, 3)),
              (Ids{"{E-FIRST}", "{E-SUB}", "{E-TWIN}", "{E-LAST}"}));
    EXPECT_EQ(ids(days(EntryChoice::AllEntries, 4, 4)), Ids{"{E-LATE}"});
    EXPECT_TRUE(ids(days(EntryChoice::AllEntries, 5, 9)).empty());
    // Dates are not applied unless Between is ticked.
    EntryChoice unticked = days(EntryChoice::AllEntries, 5, 9);
    unticked.between = false;
    EXPECT_EQ(ids(unticked).size(), 6u);
}

TEST_F(EntryChoiceTest, FolderChoiceTakesThatFolderOnlyWithOrWithoutDays) {
    EXPECT_EQ(ids(inFolder("{F-WORK}")), (Ids{"{E-EARLY}", "{E-LAST}", "{E-LATE}"}));
    EXPECT_EQ(ids(days(EntryChoice::CurrentFolder, 2, 3, "{F-WORK}")), Ids{"{E-LAST}"});
    // An apostrophe in an id is data, not the end of the statement's text.
    EXPECT_EQ(ids(inFolder("{F-O'HARA}")), Ids{"{E-TWIN}"});
    EXPECT_TRUE(ids(inFolder("x' OR '1'='1")).empty());
}

TEST_F(EntryChoiceTest, SelectedEntryIgnoresTheDays) {
    EntryChoice selected = days(EntryChoice::SelectedEntry, 20, 21);
    selected.entryId = "{E-LATE}";
    EXPECT_EQ(ids(selected), Ids{"{E-LATE}"});
    selected.entryId = "{E-GONE}";
    EXPECT_TRUE(ids(selected).empty());
}

// Several entries selected in the list: those, in the list's order (not by date), whatever
// days or folder the choice also carries; one deleted since is left out. Export starts there.
TEST_F(EntryChoiceTest, SelectedEntriesInTheListsOrder) {
    EntryChoice selected = days(EntryChoice::SelectedEntries, 20, 21, "{F-SUB}");
    selected.entryIds = {"{E-LATE}", "{E-GONE}", "{E-EARLY}", "{E-TWIN}"};
    EXPECT_EQ(ids(selected), (Ids{"{E-LATE}", "{E-EARLY}", "{E-TWIN}"}));
    for (const Ids& list : {Ids{"{E-TWIN}", "{E-FIRST}"}, Ids{"{E-TWIN}"}}) {
        const ExportDialogValues values = InitialExportValues("{E-TWIN}", "{F-WORK}", {}, list);
        EXPECT_EQ(values.what,
                  list.size() > 1 ? EntryChoice::SelectedEntries : EntryChoice::SelectedEntry);
        EXPECT_EQ(ids(ExportRequestFor(values, "{E-TWIN}", "{F-WORK}", {}).choice), list);
    }
}

TEST_F(EntryChoiceTest, APrintReadsTheStoredTextAndTitleAndSkipsARowGoneSinceTheChoice) {
    EntryReader reader(journal.reader(), ChosenEntryRows(journal.db(), inFolder("{F-WORK}")),
                       EntryReader::Reads::StoredText);
    ASSERT_EQ(reader.count(), 3u);
    journal.db().execute("DELETE FROM Entry WHERE EntryID = '{E-LAST}'");
    Ids read;
    ExportedEntry entry;
    while (reader.next(entry))
        read.push_back(entry.storedText + " / " + entry.when.toStdString());
    EXPECT_EQ(read, (Ids{"early / Sunday, March 1 2026 11:59 PM",
                         "late / Wednesday, March 4 2026 12:00 AM"}));
}

} // namespace
