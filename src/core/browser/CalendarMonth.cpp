#include "core/browser/CalendarMonth.h"

#include "core/store/SqlBuffer.h"

std::string StoredDayKey(QDate day) {
    return QString::asprintf("%04d-%02d-%02d", day.year(), day.month(), day.day()).toStdString();
}

std::string DaysCondition(const char* dayExpression, const CalendarDays& days) {
    SqlBuffer sql;
    return sql.format("%s BETWEEN '%q' AND '%q'", dayExpression, StoredDayKey(days.first).c_str(),
                      StoredDayKey(days.last).c_str());
}

CalendarMonth::CalendarMonth(int year, int month, Qt::DayOfWeek firstDay)
    : m_year(year), m_month(month), m_firstDay(firstDay) {
    const QDate first(year, month, 1);
    m_start = first.addDays(-((first.dayOfWeek() - firstDay + kColumns) % kColumns));
}

std::optional<std::pair<int, int>> CalendarMonth::cellOf(QDate day) const {
    const qint64 offset = m_start.daysTo(day);
    if (!day.isValid() || offset < 0 || offset >= kRows * kColumns)
        return std::nullopt;
    return std::pair<int, int>(static_cast<int>(offset / kColumns),
                               static_cast<int>(offset % kColumns));
}

int CalendarMonth::weekNumber(int row) const {
    const int thursday = (Qt::Thursday - m_firstDay + kColumns) % kColumns;
    return dayAt(row, thursday).weekNumber();
}

CalendarDays CalendarMonth::monthDays() const {
    const QDate first(m_year, m_month, 1);
    return {first, first.addDays(first.daysInMonth() - 1)};
}

CalendarMonth CalendarMonth::moved(int months) const {
    return holding(QDate(m_year, m_month, 1).addMonths(months), m_firstDay);
}

CalendarMonth CalendarMonth::holding(QDate day, Qt::DayOfWeek firstDay) {
    return CalendarMonth(day.year(), day.month(), firstDay);
}
