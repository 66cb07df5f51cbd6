#pragma once

#include <string>

// A calendar date and time of day, to the second, with no time zone: what the journal stores
// and shows. A value is either valid or invalid; impossible fields make it invalid rather than
// being normalised into another day.
class COleDateTime {
public:
    enum DateTimeStatus { valid = 0, invalid = 1 };

    COleDateTime() = default; // valid, 1899-12-30 00:00:00 as the framework's zero date
    COleDateTime(int year, int month, int day, int hour, int minute, int second);

    static COleDateTime GetCurrentTime(); // local time

    // Sets every field; returns false (and marks the value invalid) for an impossible date.
    bool SetDateTime(int year, int month, int day, int hour, int minute, int second);

    DateTimeStatus GetStatus() const { return m_status; }
    bool IsValid() const { return m_status == valid; }

    int GetYear() const { return m_year; }
    int GetMonth() const { return m_month; }
    int GetDay() const { return m_day; }
    int GetHour() const { return m_hour; }
    int GetMinute() const { return m_minute; }
    int GetSecond() const { return m_second; }
    int GetDayOfWeek() const; // 1 = Sunday .. 7 = Saturday

    // strftime conversions in the C locale. An invalid value formats as "Invalid DateTime".
    std::string Format(const std::string& format) const;

    // Days since 1970-01-01 of the date part (negative before it).
    long long DaysSinceEpoch() const;
    // Seconds from 1970-01-01 00:00:00 of this calendar time; orders values in time.
    long long SortKey() const;

    friend bool operator==(const COleDateTime& a, const COleDateTime& b);
    friend bool operator<(const COleDateTime& a, const COleDateTime& b) {
        return a.SortKey() < b.SortKey();
    }
    friend bool operator>(const COleDateTime& a, const COleDateTime& b) { return b < a; }
    friend bool operator<=(const COleDateTime& a, const COleDateTime& b) { return !(b < a); }
    friend bool operator>=(const COleDateTime& a, const COleDateTime& b) { return !(a < b); }

    static bool IsLeapYear(int year);
    static int DaysInMonth(int year, int month);

private:
    int m_year = 1899;
    int m_month = 12;
    int m_day = 30;
    int m_hour = 0;
    int m_minute = 0;
    int m_second = 0;
    DateTimeStatus m_status = valid;
};
