#include "core/platform/COleDateTime.h"

#include <clocale>
#include <gtest/gtest.h>

TEST(COleDateTime, RejectsImpossibleFieldsInsteadOfRollingOver) {
    struct Case {
        int y, mo, d, h, mi, s;
        bool valid;
    };
    const Case cases[] = {
        {2004, 2, 29, 0, 0, 0, true},  {2003, 2, 29, 0, 0, 0, false},
        {1900, 2, 29, 0, 0, 0, false}, {2000, 2, 29, 23, 59, 59, true},
        {2004, 13, 1, 0, 0, 0, false}, {2004, 0, 1, 0, 0, 0, false},
        {2004, 4, 31, 0, 0, 0, false}, {2004, 1, 1, 24, 0, 0, false},
        {2004, 1, 1, 0, 60, 0, false}, {0, 0, 0, 0, 0, 0, false},
        {10000, 1, 1, 0, 0, 0, false}, {-5, 1, 1, 0, 0, 0, false},
    };
    for (const Case& c : cases) {
        COleDateTime t(c.y, c.mo, c.d, c.h, c.mi, c.s);
        EXPECT_EQ(t.IsValid(), c.valid) << c.y << "-" << c.mo << "-" << c.d << " " << c.h;
    }
}

TEST(COleDateTime, FormatsInEnglishWhateverTheLocale) {
    // The user's locale must not leak into stored or displayed journal dates.
    std::setlocale(LC_ALL, "");
    const COleDateTime t(2004, 7, 5, 14, 30, 0);
    EXPECT_EQ(t.Format("%A, %B %d %Y %I:%M %p"), "Monday, July 05 2004 02:30 PM");
    EXPECT_EQ(t.Format("%Y-%m-%d %H:%M"), "2004-07-05 14:30");
    EXPECT_EQ(t.Format("%b %d, %Y"), "Jul 05, 2004");
    EXPECT_EQ(COleDateTime(2000, 1, 1, 0, 0, 0).Format("%A %j"), "Saturday 001");
    EXPECT_EQ(COleDateTime(2024, 12, 31, 0, 0, 0).Format("%a %j"), "Tue 366");
    EXPECT_EQ(COleDateTime(2004, 13, 1, 0, 0, 0).Format("%Y"), "Invalid DateTime");
}

TEST(COleDateTime, OrdersByCalendarTime) {
    const COleDateTime a(2004, 7, 5, 23, 59, 59);
    const COleDateTime b(2004, 7, 6, 0, 0, 0);
    EXPECT_LT(a, b);
    EXPECT_GT(b, a);
    EXPECT_EQ(a, COleDateTime(2004, 7, 5, 23, 59, 59));
    EXPECT_LT(COleDateTime(2004, 7, 5, 23, 59, 58), a);
    EXPECT_LE(COleDateTime(1969, 12, 31, 0, 0, 0), COleDateTime(1970, 1, 1, 0, 0, 0));
}

TEST(COleDateTime, HugeFormatsAreBoundedNotOverflowed) {
    const COleDateTime t(2004, 7, 5, 14, 30, 0);
    std::string format;
    for (int i = 0; i < 400; ++i)
        format += "%A";
    const std::string out = t.Format(format);
    EXPECT_EQ(out.size(), 400u * 6u);
    std::string enormous(20000, 'x');
    EXPECT_TRUE(t.Format(enormous).empty());
}
