#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

// The Change Entry Date dialog. The caller may preset the date and the time (both start at
// the current date and time); after OK it reads m_result, the date of m_date with the time
// of m_time (see combineDateAndTime in DialogChecks.h).
//
// The values are wall-clock times without a zone, as the journal stores them.
struct ChangeDateValues {
    QDate m_date = QDate::currentDate();
    QTime m_time = QTime::currentTime();
    QDateTime m_result;
};
