#include "support/RawSqlite.h"
#include "support/SessionFixture.h"

#include <atomic>
#include <set>

namespace {

class Search : public SessionFixture {
protected:
    std::string path, split, plain, commented, late;

    void SetUp() override {
        path = createJournal("s.qbk");
        // "journal" split by formatting; a word inside another; a comment-only hit.
        split = saveNewEntry("{\\rtf1\\ansi My {\\b jour}nal entry\\par}");
        plain = saveNewEntry("{\\rtf1\\ansi Journalism and \\b bold\\b0  words\\par}");
        commented = saveNewEntry("{\\rtf1\\ansi nothing here\\par}");
        doc.SetEntryComment(true, "about my JOURNAL", commented);
        late = saveNewEntry("{\\rtf1\\ansi journal at night\\par}");
        doc.SetEntryTimeStamp(COleDateTime(2004, 7, 5, 0, 0, 0), split);
        doc.SetEntryTimeStamp(COleDateTime(2004, 7, 5, 23, 59, 0), late);
        doc.SetEntryTimeStamp(COleDateTime(2004, 7, 6, 0, 0, 0), plain);
        doc.SetEntryTimeStamp(COleDateTime(2004, 7, 4, 23, 59, 0), commented);
    }

    using Ids = std::set<std::string>;
    Ids run(const SearchCriteria& criteria) {
        doc.Search(criteria);
        Ids hits;
        for (const RawRow& row : rawQuery(path, "SELECT EntryID FROM Entry WHERE SearchTarget = 1"))
            hits.insert(*row[0]);
        return hits;
    }
};

} // namespace

// Answers the comparison with the literal search (StatementEquivalence) cannot reach.
TEST_F(Search, FindsTextAsShownNeverControlWordsAndKeepsTheDayRangeInclusive) {
    SearchCriteria c;
    c.findText = "journal";
    EXPECT_EQ(run(c), Ids({split, plain, commented, late}));
    c.findText = "b0";
    EXPECT_TRUE(run(c).empty());
    c.findText = "journal";
    c.topicIds = {"{nobody's}"}; // an apostrophe must not break the statement
    EXPECT_TRUE(run(c).empty());

    c.topicIds.clear();
    c.dateRange = 1;
    c.startDate = COleDateTime(2004, 7, 5, 0, 0, 0);
    c.endDate = COleDateTime(2004, 7, 5, 23, 59, 59);
    EXPECT_EQ(run(c), Ids({split, late}));
}

TEST_F(Search, MarkingThatFailsLeavesEveryMarkClearedAndLaterSearchesRecover) {
    SearchCriteria c;
    c.findText = "journal";
    c.matchCase = true;
    EXPECT_EQ(run(c), Ids({split, late}));
    rawExec(path, "CREATE TRIGGER refuse_marks BEFORE UPDATE OF SearchTarget ON Entry WHEN "
                  "NEW.SearchTarget = 1 BEGIN SELECT RAISE(ABORT, 'marks refused'); END");
    ui.answerMessage("The journal could not be read or changed.", MessageAnswer::Ok);
    c.matchCase = false;
    // Two of the four hits carry their mark already; they end cleared all the same.
    EXPECT_TRUE(run(c).empty());
    EXPECT_EQ(rawQuery(path, "SELECT * FROM Entry WHERE SearchTarget IS NOT 0").size(), 0u);

    rawExec(path, "DROP TRIGGER refuse_marks");
    EXPECT_EQ(run(c), Ids({split, plain, commented, late}));
    c.findText = "no such words";
    EXPECT_TRUE(run(c).empty());
    EXPECT_EQ(rawQuery(path, "SELECT * FROM Entry WHERE SearchTarget = 0").size(), 4u);
}

TEST_F(Search, ThousandsOfRowsWithMarksNeverSetAreAllRewritten) {
    // 2,048 rows (each entry 512 times), marked as a file no search has touched leaves them.
    for (int i = 0; i < 9; ++i)
        rawExec(path, "INSERT INTO Entry SELECT * FROM Entry");
    rawExec(path, "UPDATE Entry SET SearchTarget = NULL");
    SearchCriteria c;
    c.findText = "journal";
    c.matchCase = true;
    run(c);
    EXPECT_EQ(*rawQuery(path, "SELECT count(*) FROM Entry WHERE SearchTarget = 1")[0][0], "1024");
    EXPECT_EQ(*rawQuery(path, "SELECT count(*) FROM Entry WHERE SearchTarget IS 0")[0][0], "1024");
    c.matchCase = false;
    run(c);
    EXPECT_EQ(*rawQuery(path, "SELECT count(*) FROM Entry WHERE SearchTarget = 1")[0][0], "2048");
}

// The two halves the search window runs: a cancelled search, or one of a journal closed
// before it came to mark, leaves every mark as it was; a finished one marks its hits.
TEST_F(Search, ACancelledSearchOrOneOfAClosedJournalLeavesTheMarksAsTheyWere) {
    SearchCriteria c;
    c.findText = "journal";
    c.matchCase = true;
    ASSERT_EQ(run(c), Ids({split, late}));
    const auto marks = [this] {
        return rawQuery(path, "SELECT EntryID, quote(SearchTarget) FROM Entry ORDER BY rowid");
    };
    const std::vector<RawRow> before = marks();
    c.matchCase = false;

    const std::atomic<bool> cancel{true};
    std::shared_ptr<BackgroundReader> reader = doc.SearchReader();
    doc.FinishSearch(*reader, reader->Search(c, &cancel));
    EXPECT_EQ(marks(), before);
    ASSERT_TRUE(doc.CloseJournal());
    ASSERT_EQ(open(path), CQBKDoc::OpenResult::Ok);
    doc.FinishSearch(*reader, reader->Search(c));
    EXPECT_EQ(marks(), before);

    reader = doc.SearchReader();
    doc.FinishSearch(*reader, reader->Search(c));
    EXPECT_EQ(rawValue(path, "SELECT count(*) FROM Entry WHERE SearchTarget = 1"), "4");
}
