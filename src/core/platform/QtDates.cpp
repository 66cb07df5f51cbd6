#include "core/platform/QtDates.h"

COleDateTime toOleDateTime(const QDate& day, const QTime& time) {
    COleDateTime when;
    when.SetDateTime(day.year(), day.month(), day.day(), time.hour(), time.minute(), time.second());
    return when;
}

COleDateTime toOleDateTime(const QDateTime& when) {
    return toOleDateTime(when.date(), when.time());
}

QDate toQDate(const COleDateTime& when) {
    return when.IsValid() ? QDate(when.GetYear(), when.GetMonth(), when.GetDay()) : QDate();
}

QDateTime toQDateTime(const COleDateTime& when) {
    return QDateTime(toQDate(when), QTime(when.GetHour(), when.GetMinute(), when.GetSecond()));
}
