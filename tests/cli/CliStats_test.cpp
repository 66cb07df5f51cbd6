#include "core/editor/JournalStats.h"
#include "support/QbkProcess.h"
#include "support/TestJournal.h"

#include <gtest/gtest.h>

TEST(CliStats, PrintsTheTableTheStatisticsWindowSavesForAllDaysAndASpan) {
    TestJournal journal;
    journal.addEntry("{E1}", "2026-11-30 09:00", "{Root}", "", false, "{\\rtf1 one two}");
    journal.addEntry("{E2}", "2026-12-01 10:00", "{Root}", "", false, "{\\rtf1 three}");
    journal.addEntry("{E3}", "2026-12-02 10:00", "{Root}", "", false, "{\\rtf1 four five six}");
    const QbkResult all = runQbk({"stats", journal.path(), "--tsv"});
    EXPECT_EQ(all.exitCode, 0) << all.err;
    EXPECT_EQ(all.out,
              JournalStatsTsv(ComputeJournalStats(journal.reader(), {}, QDate::currentDate())));
    const QbkResult span =
        runQbk({"stats", journal.path(), "--from", "2026-12-01", "--to", "2026-12-01", "--tsv"});
    EXPECT_EQ(linesOf(span.out)[0], "entries\t1");
    EXPECT_EQ(linesOf(span.out)[1], "words\t1");
    // Plain output lines the same values up in columns.
    const QbkResult plain = runQbk({"stats", journal.path()});
    EXPECT_NE(plain.out.find("busiest weekday  Monday\n"), std::string::npos) << plain.out;
    EXPECT_THAT(plain.out, testing::ContainsRegex("\nmonth +2026-12 +2 +4 +18\n"));
}
