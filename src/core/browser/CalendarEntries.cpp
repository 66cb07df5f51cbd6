#include "core/browser/CalendarEntries.h"

#include "core/session/CQBKDoc.h"
#include "core/store/SqlBuffer.h"

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
    // A stamp's first ten characters are at most the last day exactly when the stamp sorts
    // below that day with its last digit raised by one ("2024-12-31" -> "2024-12-3:"), whatever
    // follows them; no date arithmetic, so no month or year end to get wrong.
    std::string below = StoredDayKey(days.last);
    ++below.back();
    SqlBuffer sql;
    return sql.format("[TimeStamp] >= '%q' AND [TimeStamp] < '%q'",
                      StoredDayKey(days.first).c_str(), below.c_str());
}

} // namespace CalendarEntries
