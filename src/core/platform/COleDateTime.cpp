#include "core/platform/COleDateTime.h"

#include <clocale>
#include <ctime>
#include <locale.h>
#include <vector>

namespace {

// Dates are always written in English, whatever the user's locale (the formats are stored
// in journals that travel between machines).
locale_t cLocale() {
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

// Days from 1970-01-01 to the given proleptic Gregorian date.
long long daysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

constexpr size_t kMaxFormattedLength = 4096;

} // namespace

COleDateTime::COleDateTime(int year, int month, int day, int hour, int minute, int second) {
    SetDateTime(year, month, day, hour, minute, second);
}

bool COleDateTime::IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int COleDateTime::DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool COleDateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second) {
    m_year = year;
    m_month = month;
    m_day = day;
    m_hour = hour;
    m_minute = minute;
    m_second = second;
    const bool ok = year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
                    day <= DaysInMonth(year, month) && hour >= 0 && hour <= 23 && minute >= 0 &&
                    minute <= 59 && second >= 0 && second <= 59;
    m_status = ok ? valid : invalid;
    return ok;
}

COleDateTime COleDateTime::GetCurrentTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return COleDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                        local.tm_min, local.tm_sec);
}

long long COleDateTime::DaysSinceEpoch() const {
    return daysFromCivil(m_year, static_cast<unsigned>(m_month), static_cast<unsigned>(m_day));
}

long long COleDateTime::SortKey() const {
    return DaysSinceEpoch() * 86400LL + m_hour * 3600LL + m_minute * 60LL + m_second;
}

int COleDateTime::GetDayOfWeek() const {
    const long long days = DaysSinceEpoch();
    // 1970-01-01 was a Thursday (5 when Sunday is 1).
    return static_cast<int>(((days % 7) + 7 + 4) % 7) + 1;
}

bool operator==(const COleDateTime& a, const COleDateTime& b) {
    if (a.m_status != b.m_status)
        return false;
    return a.SortKey() == b.SortKey();
}

std::string COleDateTime::Format(const std::string& format) const {
    if (!IsValid())
        return "Invalid DateTime";
    if (format.empty())
        return {};
    std::tm tm{};
    tm.tm_year = m_year - 1900;
    tm.tm_mon = m_month - 1;
    tm.tm_mday = m_day;
    tm.tm_hour = m_hour;
    tm.tm_min = m_minute;
    tm.tm_sec = m_second;
    tm.tm_wday = GetDayOfWeek() - 1;
    tm.tm_yday = static_cast<int>(DaysSinceEpoch() - daysFromCivil(m_year, 1, 1));
    tm.tm_isdst = -1;

    // A stored format may be long or expand a lot; grow the buffer up to a sane bound.
    std::vector<char> buffer(256);
    while (true) {
        const size_t n = strftime_l(buffer.data(), buffer.size(), format.c_str(), &tm, cLocale());
        if (n > 0)
            return std::string(buffer.data(), n);
        if (buffer.size() >= kMaxFormattedLength)
            return {};
        buffer.resize(buffer.size() * 2);
    }
}
