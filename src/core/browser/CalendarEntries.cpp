#include "core/browser/CalendarEntries.h"

#include "core/session/CQBKDoc.h"

namespace CalendarEntries {

std::map<QDate, int> CountsPerDay(CQBKDoc& doc, const CalendarDays& days) {
    std::map<QDate, int> counts;
    for (const auto& [key, count] :
         doc.EntriesPerDay([&days](const char* day) { return DaysCondition(day, days); })) {
        const QDate day = QDate::fromString(QString::fromStdString(key), Qt::ISODate);
        if (day.isValid())
            counts[day] += count;
    }
    return counts;
}

std::string DaysWhere(const CalendarDays& days) {
    return DaysCondition("substr([TimeStamp], 1, 10)", days);
}

} // namespace CalendarEntries
