#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <string>

// A run of whole days, first to last.
struct CalendarDays {
    QDate first;
    QDate last;
    bool operator==(const CalendarDays&) const = default;
};

// The day as entries store it: the first ten characters of their timestamp, "YYYY-MM-DD".
std::string StoredDayKey(QDate day);
// The condition "day lies in days" on an SQL expression of a stored day.
std::string DaysCondition(const char* dayExpression, const CalendarDays& days);

// A month as the calendar shows it: six rows of seven days starting on the locale's first
// day of the week, the month's first day in the first row. Each row carries the ISO 8601
// number of the week its Thursday belongs to, so that a row starting on Sunday or Saturday
// still shows the number of the week most of its days are in.
class CalendarMonth {
public:
    static constexpr int kRows = 6;
    static constexpr int kColumns = 7;

    CalendarMonth(int year, int month, Qt::DayOfWeek firstDay);

    int year() const { return m_year; }
    int month() const { return m_month; }
    Qt::DayOfWeek firstDay() const { return m_firstDay; }
    QDate dayAt(int row, int column) const { return m_start.addDays(row * kColumns + column); }
    // The cell showing day, if this grid shows it.
    std::optional<std::pair<int, int>> cellOf(QDate day) const;
    int weekNumber(int row) const;
    CalendarDays rowDays(int row) const { return {dayAt(row, 0), dayAt(row, kColumns - 1)}; }
    CalendarDays monthDays() const;
    // The grid's whole span, which the marks are read for.
    CalendarDays shownDays() const { return {dayAt(0, 0), dayAt(kRows - 1, kColumns - 1)}; }
    // The month holding day (the grid moved there), with the same first weekday.
    CalendarMonth moved(int months) const;
    static CalendarMonth holding(QDate day, Qt::DayOfWeek firstDay);

private:
    int m_year;
    int m_month;
    Qt::DayOfWeek m_firstDay;
    QDate m_start;
};
