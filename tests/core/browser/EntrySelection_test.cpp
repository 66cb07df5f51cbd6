#include "core/browser/BrowserMessages.h"
#include "core/browser/EntrySelection.h"

#include <gtest/gtest.h>

TEST(EntrySelection, QuestionsNameTheCountAndKeepTheOneEntryWording) {
    EXPECT_EQ(EntrySelection::ConfirmDelete(1), BrowserMessages::kConfirmEntryDelete);
    EXPECT_EQ(EntrySelection::ConfirmDelete(3), "Delete these 3 entries?");
    EXPECT_EQ(EntrySelection::ConfirmMove(1), BrowserMessages::kConfirmEntryMove);
    EXPECT_EQ(EntrySelection::ConfirmMove(12),
              "Do you really want to move these 12 entries to a new folder?");
}

TEST(EntrySelection, AMoveLeavesOutWhatIsThereAlreadyAndNeverFilesAtTheTop) {
    std::vector<EntryRow> rows(3);
    const char* folders[] = {"{A}", "{B}", "{Root}"};
    for (int i = 0; i < 3; ++i) {
        rows[i].entryId = "e" + std::to_string(i + 1);
        rows[i].folderId = folders[i];
    }
    using Ids = std::vector<std::string>;
    EXPECT_EQ(EntrySelection::EntriesToMove(rows, "{B}"), (Ids{"e1", "e3"}));
    EXPECT_EQ(EntrySelection::EntriesToMove(rows, "{Root}"), Ids{});
    EXPECT_EQ(EntrySelection::EntriesToMove(rows, "{All Entries}"), Ids{});
}
