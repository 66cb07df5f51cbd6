#pragma once

#include "core/browser/EntryRow.h"

#include <QDate>
#include <string>
#include <vector>

class CQBKDoc;

// Entries written on today's month and day in earlier years. A leap day's entries come up on
// 28 February in the years without one, so they are seen every year; on 29 February itself
// only earlier leap days are shown.
namespace OnThisDay {

// The "MM-DD" of the stored days that count as today.
std::vector<std::string> MonthDays(QDate today);
// The condition on an SQL expression of a stored day: one of those month-days, in an
// earlier year.
std::string Condition(const char* dayExpression, QDate today);
// The entries, newest first.
std::vector<EntryRow> Rows(CQBKDoc& doc, QDate today);

} // namespace OnThisDay
