#include "core/browser/CalendarEntries.h"
#include "core/browser/EntryRows.h"
#include "core/browser/OnThisDay.h"
#include "core/store/SqlBuffer.h"
#include "support/SessionFixture.h"
#include "support/TestJournal.h"

#include <gtest/gtest.h>

#include <algorithm>

// Weekdays and ISO weeks checked against date(1).
TEST(CalendarMonthTest, GridStartsOnTheLocalesFirstWeekdayAndRowsCarryTheirThursdaysWeek) {
    struct Case {
        int year, month;
        Qt::DayOfWeek firstDay;
        QDate start;
        int firstWeek;
        int daysInMonth;
    };
    const Case cases[] = {
        {2026, 12, Qt::Monday, {2026, 11, 30}, 49, 31},
        {2026, 12, Qt::Sunday, {2026, 11, 29}, 49, 31},
        {2026, 12, Qt::Saturday, {2026, 11, 28}, 49, 31},
        {1753, 1, Qt::Monday, {1753, 1, 1}, 1, 31},
        {1753, 1, Qt::Sunday, {1752, 12, 31}, 1, 31},
        {1900, 2, Qt::Monday, {1900, 1, 29}, 5, 28},
        {2100, 2, Qt::Monday, {2100, 2, 1}, 5, 28},
        {2024, 2, Qt::Monday, {2024, 1, 29}, 5, 29},
        {2021, 1, Qt::Monday, {2020, 12, 28}, 53, 31},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << " first " << c.firstDay);
        const CalendarMonth month(c.year, c.month, c.firstDay);
        EXPECT_EQ(month.dayAt(0, 0), c.start);
        EXPECT_EQ(month.dayAt(0, 0).dayOfWeek(), c.firstDay);
        EXPECT_EQ(month.weekNumber(0), c.firstWeek);
        EXPECT_EQ(month.monthDays().last, QDate(c.year, c.month, c.daysInMonth));
        const QDate first(c.year, c.month, 1);
        ASSERT_TRUE(month.cellOf(first).has_value());
        EXPECT_EQ(month.cellOf(first)->first, 0); // the 1st is always in the first row
        const auto [row, column] = *month.cellOf(month.monthDays().last);
        EXPECT_EQ(month.dayAt(row, column), month.monthDays().last);
        EXPECT_FALSE(month.cellOf(month.shownDays().last.addDays(1)).has_value());
    }
}

namespace {

// Entries around the calendar's edges: the earliest year a date takes, century years with and
// without a leap day, a leap day, times exactly at midnight.
class CalendarJournal : public SessionFixture {
protected:
    CalendarJournal() {
        for (const auto& [id, stamp] : kEntries)
            journal.addEntry(id, stamp, "{Root}", "", false, "{\\rtf1 x}");
        journal.db().execute("UPDATE Config SET PromptForComment = 0");
        EXPECT_EQ(open(journal.path()), CQBKDoc::OpenResult::Ok);
    }
    std::map<std::string, int> counts(const CalendarDays& days) {
        std::map<std::string, int> byKey;
        for (const auto& [day, count] : CalendarEntries::CountsPerDay(doc, days))
            byKey[StoredDayKey(day)] = count;
        return byKey;
    }
    std::vector<std::string> listed(const CalendarDays& days) {
        EntryFilter filter;
        filter.currentFolderId = "{Nowhere}"; // the days' listing ignores the folder
        filter.daysWhere = CalendarEntries::DaysWhere(days);
        // Read as the entry list reads, on a connection of its own.
        std::vector<std::string> ids;
        for (const EntryRow& row : LoadEntryRows(doc.ListingReader()->Reader(), filter))
            ids.push_back(row.entryId);
        std::sort(ids.begin(), ids.end());
        return ids;
    }
    // Y: a year's end, with a stamp cut to its day and one carrying seconds (other writers').
    static constexpr std::pair<const char*, const char*> kEntries[] = {
        {"{E1}", "1753-01-01 00:00"},    {"{E2}", "1900-02-28 23:59"}, {"{E3}", "1900-03-01 00:00"},
        {"{E4}", "2024-02-29 00:00"},    {"{E5}", "2024-02-28 23:59"}, {"{E6}", "2024-02-29 12:30"},
        {"{E7}", "2100-02-28 08:00"},    {"{E8}", "2100-03-01 00:00"}, {"{E9}", "2023-02-28 10:00"},
        {"{Y1}", "2024-12-31 23:59"},    {"{Y2}", "2025-01-01 00:00"}, {"{Y3}", "2024-12-31"},
        {"{Y4}", "2025-01-01 00:00:59"},
    };
    TestJournal journal;
};

} // namespace

TEST_F(CalendarJournal, MarkedDaysAndListingsOfADayAWeekAndAMonthAgreeWithTheFile) {
    struct Case {
        CalendarDays days;
        std::map<std::string, int> counts;
        std::vector<std::string> ids;
    };
    const CalendarMonth leapMonth(2024, 2, Qt::Monday);
    const int leapRow = leapMonth.cellOf(QDate(2024, 2, 29))->first;
    const Case cases[] = {
        {{QDate(1753, 1, 1), QDate(1753, 1, 1)}, {{"1753-01-01", 1}}, {"{E1}"}},
        {CalendarMonth(1900, 2, Qt::Monday).monthDays(), {{"1900-02-28", 1}}, {"{E2}"}},
        {{QDate(2024, 2, 29), QDate(2024, 2, 29)}, {{"2024-02-29", 2}}, {"{E4}", "{E6}"}},
        {leapMonth.rowDays(leapRow),
         {{"2024-02-28", 1}, {"2024-02-29", 2}},
         {"{E4}", "{E5}", "{E6}"}},
        {CalendarMonth(2100, 2, Qt::Sunday).monthDays(), {{"2100-02-28", 1}}, {"{E7}"}},
        {{QDate(2100, 3, 1), QDate(2100, 3, 31)}, {{"2100-03-01", 1}}, {"{E8}"}},
        {{QDate(2024, 12, 31), QDate(2024, 12, 31)}, {{"2024-12-31", 2}}, {"{Y1}", "{Y3}"}},
        {{QDate(2025, 1, 1), QDate(2025, 1, 1)}, {{"2025-01-01", 2}}, {"{Y2}", "{Y4}"}},
        {{QDate(2024, 12, 30), QDate(2025, 1, 1)},
         {{"2024-12-31", 2}, {"2025-01-01", 2}},
         {"{Y1}", "{Y2}", "{Y3}", "{Y4}"}},
        {{QDate(2025, 1, 2), QDate(2025, 12, 31)}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(StoredDayKey(c.days.first) + " to " + StoredDayKey(c.days.last));
        EXPECT_EQ(counts(c.days), c.counts);
        EXPECT_EQ(listed(c.days), c.ids);
    }
}

TEST_F(CalendarJournal, MarksFollowEntriesAddedRedatedAndDeletedHereAndElsewhere) {
    const CalendarDays leapDay{QDate(2024, 2, 29), QDate(2024, 2, 29)};
    const CalendarDays feb2100 = CalendarMonth(2100, 2, Qt::Monday).monthDays();
    ASSERT_EQ(counts(leapDay)["2024-02-29"], 2);

    ASSERT_TRUE(doc.SetEntryTimeStamp(COleDateTime(2100, 3, 1, 0, 0, 0), "{E7}"));
    EXPECT_TRUE(counts(feb2100).empty());
    ASSERT_TRUE(doc.DeleteEntry("{E4}"));
    EXPECT_EQ(listed(leapDay), std::vector<std::string>{"{E6}"});

    // Another program's write, then a new entry started on the day.
    journal.addEntry("{E10}", "2024-02-29 23:59", "{Root}", "", false, "");
    EXPECT_EQ(listed(leapDay), (std::vector<std::string>{"{E10}", "{E6}"}));
    doc.NewEntryOn(COleDateTime(2024, 2, 29, 0, 0, 0));
    const std::string added = saveNewEntry("{\\rtf1 new}");
    EXPECT_EQ(counts(leapDay)["2024-02-29"], 3);
    // The chosen day holds for that entry only; the next one is dated today.
    const std::string next = saveNewEntry("{\\rtf1 next}");
    const auto stampOf = [this](const std::string& id) {
        SqlBuffer sql;
        return journal.db()
            .query(sql.format("SELECT TimeStamp FROM Entry WHERE EntryID = '%q'", id.c_str()))
            .textField(0);
    };
    EXPECT_EQ(stampOf(added).substr(0, 11), "2024-02-29 ");
    EXPECT_EQ(stampOf(next).substr(0, 10), StoredDayKey(QDate::currentDate()));
}

TEST_F(CalendarJournal, OnThisDayShowsEarlierYearsAndALeapDayOnTheTwentyEighth) {
    const auto ids = [this](QDate today) {
        std::vector<std::string> found;
        for (const EntryRow& row : OnThisDay::Rows(doc, today))
            found.push_back(row.entryId);
        return found;
    };
    // Newest first; the day itself in this year is not "earlier".
    EXPECT_EQ(ids(QDate(2025, 2, 28)),
              (std::vector<std::string>{"{E6}", "{E4}", "{E5}", "{E9}", "{E2}"}));
    EXPECT_EQ(ids(QDate(2024, 2, 28)), (std::vector<std::string>{"{E9}", "{E2}"}));
    EXPECT_EQ(ids(QDate(2028, 2, 29)), (std::vector<std::string>{"{E6}", "{E4}"}));
    EXPECT_EQ(ids(QDate(2101, 3, 1)), (std::vector<std::string>{"{E8}", "{E3}"}));
    EXPECT_EQ(ids(QDate(1753, 1, 1)), std::vector<std::string>{});
}
