#pragma once

#include "core/browser/CalendarMonth.h"

#include <QDate>
#include <map>
#include <string>

class CQBKDoc;

// What the calendar reads of the open journal, all of it from the session's own record of its
// rows (CQBKDoc::EntriesPerDay), so a repaint never scans the file.
namespace CalendarEntries {

// How many entries each day of days has; days without entries are left out.
std::map<QDate, int> CountsPerDay(CQBKDoc& doc, const CalendarDays& days);
// The entry list's condition for the entries of days (EntryFilter::daysWhere), on
// the stored timestamps' days, which any connection to the journal can read.
std::string DaysWhere(const CalendarDays& days);

} // namespace CalendarEntries
