#pragma once

#include "core/platform/COleDateTime.h"

#include <QDateTime>

// Between the journal's date-time value and Qt's: seconds are kept, time zones ignored. An
// invalid QDate gives an invalid value and the other way round.
COleDateTime toOleDateTime(const QDate& day, const QTime& time = QTime(0, 0));
COleDateTime toOleDateTime(const QDateTime& when);
QDate toQDate(const COleDateTime& when);
QDateTime toQDateTime(const COleDateTime& when);
