#include "core/browser/ListingNames.h"
#include "support/TestJournal.h"

#include <gtest/gtest.h>

// A folder's path runs from the top of the tree down and ends where the tree is broken.
TEST(ListingNames, FolderPathRunsFromTheTopAndStopsAtABrokenLink) {
    TestJournal journal;
    journal.db().execute("INSERT INTO Folder (FolderID, ParentID, Name) VALUES ('{W}', '{Root}', "
                         "'Work'), ('{Y}', '{W}', '2024'), ('{M}', '{Y}', 'May'), ('{A}', '{B}', "
                         "'a'), ('{B}', '{A}', 'b'), ('{O}', '{Gone}', 'Orphan')");
    const ListingNames names = ListingNames::Read(journal.db());
    const std::pair<const char*, const char*> cases[] = {{"{Root}", ""},
                                                         {"{M}", "Work\\2024\\May"},
                                                         {"{A}", "b\\a"},
                                                         {"{O}", "Orphan"},
                                                         {"{X}", ""}};
    for (const auto& [id, path] : cases)
        EXPECT_EQ(names.FolderPath(id), path) << id;
}
