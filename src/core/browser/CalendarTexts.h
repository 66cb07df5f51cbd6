#pragma once

#include "core/browser/CalendarMonth.h"

#include <QDate>
#include <QString>

struct EntryRow;

// The calendar pane's words, in the user's locale (QLocale's default).
namespace CalendarTexts {

// The entry list's caption while it lists the calendar's days: "Entries of 7 December 2026".
QString DayCaption(QDate day);
QString WeekCaption(int weekNumber, const CalendarDays& days);
QString MonthCaption(int year, int month);
// The month's title over the grid: "December 2026".
QString MonthTitle(int year, int month);
// A marked day's hover text: "1 entry", "3 entries".
QString EntriesTip(int count);
// A line of the "On this day" list: when the entry was written, how long ago, and its
// description.
QString OnThisDayLine(const EntryRow& row, QDate today);

} // namespace CalendarTexts
