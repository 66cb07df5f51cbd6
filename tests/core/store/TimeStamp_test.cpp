#include "core/store/TimeStamp.h"
#include "support/TestJournal.h"

#include <gtest/gtest.h>

TEST(TimeStamp, ParsesByFixedPositionsAndToleratesHostileText) {
    // Separators are not checked, seconds are ignored, a date without its time reads as midnight.
    const COleDateTime t(2004, 7, 5, 14, 30, 0);
    for (const auto& [text, when] : {std::pair{"2004-07-05 14:30", t},
                                     {"2004/07/05T14.30", t},
                                     {"2004-07-05 14:30:59", t},
                                     {"2004-07-05", COleDateTime(2004, 7, 5, 0, 0, 0)}})
        EXPECT_EQ(ParseTimeStamp(text), when) << text; // the status is compared too
    for (const char* bad : {"", "2004", "2004-02-30 10:00", "garbage", "9999-99-99 99:99"})
        EXPECT_FALSE(ParseTimeStamp(bad).IsValid()) << bad;
    EXPECT_FALSE(ParseTimeStamp(nullptr).IsValid());
}

TEST(TimeStamp, StoredFormDropsSecondsAndSortsInTimeOrder) {
    EXPECT_EQ(MakeTimeStamp(COleDateTime(2004, 7, 5, 10, 45, 59)), "2004-07-05 10:45");
    EXPECT_EQ(MakeTimeStamp(COleDateTime(987, 1, 2, 3, 4, 0)), "0987-01-02 03:04");
    EXPECT_EQ(MakeTimeStamp(COleDateTime(2004, 2, 30, 0, 0, 0)), "");
    const std::string now = NewTimeStamp();
    EXPECT_EQ(now.size(), 16u);
    EXPECT_TRUE(ParseTimeStamp(now.c_str()).IsValid());
}

TEST(TimeStamp, DisplaysWithTheJournalsFormatsReadEachTime) {
    TestJournal journal;
    SqlDatabase& db = journal.db();
    EXPECT_EQ(FormatTimeStamp(db, "2004-07-05 14:30"), "Monday, July 5 2004 02:30 PM");

    db.execute("UPDATE Config SET DateFormat = '%m/%d/%Y', TimeFormat = '%H:%M'");
    EXPECT_EQ(FormatTimeStamp(db, "2004-07-05 14:30"), "7/5/2004 14:30");

    db.execute("UPDATE Config SET DateFormat = NULL, TimeFormat = ''");
    EXPECT_EQ(DisplayFormat(db), " ");
    EXPECT_EQ(FormatTimeStamp(db, "not a date"), "Invalid DateTime");
}
