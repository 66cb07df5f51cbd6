#include "core/browser/EntryRows.h"
#include "support/TestJournal.h"

#include <gtest/gtest.h>

#include <tuple>

// A folder and its child, topics, and entries with a derived and a typed comment.
TEST(EntryRowsTest, FolderAndTopicFiltersBuildTheListingAndRowsCarryCommentsTopicsAndNames) {
    TestJournal journal;
    journal.addFolder("{F1}", "{Root}", "Work's");
    journal.addFolder("{F2}", "{F1}", "Home");
    journal.addTopic("{T1}", "Travel");
    journal.addTopic("{T2}", "food");
    journal.addEntry("{E1}", "2004-07-05 14:30", "{F1}", "derived one", false);
    journal.addEntry("{E2}", "2004-07-06 09:00", "{F2}", "typed comment", true);
    journal.addEntry("{E3}", "2004-07-07 10:00", "{Root}", "derived three", false);
    journal.link("{E1}", "{T1}");
    journal.link("{E1}", "{T2}");
    journal.link("{E2}", "{T2}");
    SqlDatabase& db = journal.db();
    const std::vector<EntryRow> rows = LoadEntryRows(journal.reader(), EntryFilter{});
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].comment, "");              // derived, ShowFirstLine is 0
    EXPECT_EQ(rows[1].comment, "typed comment"); // the user's own
    EXPECT_EQ(rows[0].topics, "Travel, food");
    EXPECT_EQ(rows[0].folderName, "Work's");
    EXPECT_EQ(rows[2].folderName, "(None)");
    EXPECT_EQ(rows[0].timestamp, COleDateTime(2004, 7, 5, 14, 30, 0));
    // A listing given up before it reads (a newer one was asked for) reads no row.
    const std::atomic<bool> cancelled{true};
    EXPECT_TRUE(LoadEntryRows(journal.reader(), EntryFilter{}, nullptr, &cancelled).empty());

    EntryFilter filter;
    EXPECT_EQ(*EntryWhereClause(db, filter), "EntryID <> ''");
    filter.currentFolderId = "{All Entries}";
    EXPECT_EQ(*EntryWhereClause(db, filter), "EntryID <> ''");

    filter.currentFolderId = "{F1}";
    EXPECT_EQ(*EntryWhereClause(db, filter), "FolderID = '{F1}'");

    // Topics narrow the list only while the topic pane is shown, and only to entries that
    // carry every selected topic.
    filter.selectedTopicIds = {"{T1}", "{T2}"};
    EXPECT_EQ(*EntryWhereClause(db, filter), "FolderID = '{F1}'");
    filter.topicPaneShown = true;
    EXPECT_EQ(*EntryWhereClause(db, filter), "FolderID = '{F1}' and EntryID in ('{E1}')");
    filter.currentFolderId = "{Root}";
    filter.selectedTopicIds = {"{T2}"};
    EXPECT_EQ(*EntryWhereClause(db, filter), "EntryID in ('{E1}', '{E2}')");
    // A topic nobody carries: the list stays empty without running the listing.
    filter.selectedTopicIds = {"{nobody's}"};
    EXPECT_FALSE(EntryWhereClause(db, filter).has_value());

    // Without a text (qbk list): a range of days, inclusive to the minute; any or all topics.
    const std::pair days{COleDateTime(2004, 7, 5, 14, 30, 0), COleDateTime(2004, 7, 6, 9, 0, 0)};
    using Ids = std::vector<std::string>;
    using Days = std::optional<std::pair<COleDateTime, COleDateTime>>;
    const std::tuple<Days, Ids, bool, Ids> cases[] = {
        {days, {}, false, {"{E1}", "{E2}"}},
        {std::pair{days.second, days.first}, {}, false, {}},
        {std::nullopt, {"{T1}", "{T2}"}, true, {"{E1}", "{E2}"}},
        {std::nullopt, {"{T1}", "{T2}"}, false, {"{E1}"}},
        {std::pair{days.second, days.second}, {"{T2}"}, true, {"{E2}"}}};
    for (const auto& [range, topics, anyTopic, expected] : cases) {
        Ids ids;
        for (const EntryRow& row : LoadEntryRows(
                 journal.reader(), {"{All Entries}", !topics.empty(), topics, anyTopic, range, {}}))
            ids.push_back(row.entryId);
        EXPECT_EQ(ids, expected) << ::testing::PrintToString(topics) << anyTopic;
    }
}

TEST(EntryRowOrder, ComparesByColumnIgnoringCaseAcrossNonAscii) {
    EntryRow a, b;
    a.timestamp = COleDateTime(2004, 7, 5, 14, 30, 0);
    a.comment = "\xe9t\xe9";  // été in Windows-1252
    b.comment = "\xc9T\xc9!"; // ÉTÉ!
    a.folderName = "b";
    b.folderName = "A";
    a.topics = "x";
    b.topics = "X";
    EXPECT_LT(CompareEntryRows(a, b, 1, false), 0);
    EXPECT_GT(CompareEntryRows(a, b, 2, true), 0);
    EXPECT_EQ(CompareEntryRows(a, b, 2, false), 0);
    EXPECT_EQ(CompareEntryRows(a, b, 3, true), 0);
    EntryRow invalid;
    invalid.timestamp = COleDateTime(2004, 2, 30, 0, 0, 0);
    EXPECT_LT(CompareEntryRows(invalid, a, 0, false), 0);
}
