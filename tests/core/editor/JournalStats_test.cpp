#include "core/editor/JournalStats.h"
#include "support/TestJournal.h"

#include <gtest/gtest.h>

namespace {

// Words as the editor counts them: a run between spaces counts only with a letter or digit,
// paragraph breaks separate words and are no characters.
class StatsJournal : public ::testing::Test {
protected:
    StatsJournal() {
        const std::pair<const char*, const char*> entries[] = {
            {"2026-11-30 09:00", "{\\rtf1 one two three}"}, // Monday: 3 words, 13 characters
            {"2026-12-01 10:00", "{\\rtf1 four, five}"},    // Tuesday: 2, 10
            {"2026-12-01 20:00", "{\\rtf1 x - y}"},         // Tuesday: 2, 5
            {"2026-12-02 00:00", ""},                       // Wednesday: 0, 0
            {"2026-12-05 23:59", "{\\rtf1 a\\par b}"},      // Saturday: 2, 2
            {"2025-06-10 12:00", "{\\rtf1 hello}"},         // Tuesday: 1, 5
            {"garbage", "{\\rtf1 hi}"},                     // no date: 1, 2
        };
        int n = 0;
        for (const auto& [stamp, text] : entries)
            journal.addEntry("{E" + std::to_string(++n) + "}", stamp, "{Root}", "", false, text);
    }
    TestJournal journal;
};

} // namespace

TEST_F(StatsJournal, CountsWordsMonthsStreaksAndWeekdaysAsWritten) {
    const JournalStats stats = ComputeJournalStats(journal.reader(), {}, QDate(2026, 12, 6));
    EXPECT_EQ(stats.all, (WrittenTotals{7, 11, 37}));
    EXPECT_EQ(stats.undated, 1);
    EXPECT_EQ(stats.perMonth.size(), 3u);
    EXPECT_EQ((stats.perMonth.at({2026, 12})), (WrittenTotals{4, 6, 17}));
    EXPECT_EQ((stats.perMonth.at({2026, 11})), (WrittenTotals{1, 3, 13}));
    EXPECT_EQ(stats.perYear.at(2025), (WrittenTotals{1, 1, 5}));
    EXPECT_EQ(stats.daysWritten, 5);
    EXPECT_EQ(stats.longestStreak, 3);
    EXPECT_EQ(stats.longestStreakEnd, QDate(2026, 12, 2));
    EXPECT_EQ(stats.busiestWeekday(), Qt::Tuesday);

    // The current streak runs up to today, or yesterday while today has no entry yet.
    struct Case {
        QDate today;
        int streak;
    };
    for (const Case& c : {Case{{2026, 12, 6}, 1}, Case{{2026, 12, 5}, 1}, Case{{2026, 12, 3}, 3},
                          Case{{2026, 12, 4}, 0}}) {
        SCOPED_TRACE(c.today.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(ComputeJournalStats(journal.reader(), {}, c.today).currentStreak, c.streak);
    }
    // A span counts its own days only, and ends the current streak at its end.
    const JournalStats span = ComputeJournalStats(
        journal.reader(), {QDate(2026, 12, 1), QDate(2026, 12, 2)}, QDate(2026, 12, 6));
    EXPECT_EQ(span.all, (WrittenTotals{3, 4, 15}));
    EXPECT_EQ(span.currentStreak, 2);
    EXPECT_EQ(span.perMonth.size(), 1u);

    EXPECT_EQ(JournalStatsTsv(span), "entries\t3\nwords\t4\ncharacters\t15\ndays written\t2\n"
                                     "longest streak\t2\ncurrent streak\t2\n"
                                     "busiest weekday\tTuesday\nyear\t2026\t3\t4\t15\n"
                                     "month\t2026-12\t3\t4\t15\n");
}
