#include "core/browser/OnThisDay.h"

#include "core/browser/EntryRows.h"
#include "core/session/CQBKDoc.h"
#include "core/store/SqlBuffer.h"

#include <algorithm>

namespace OnThisDay {

std::vector<std::string> MonthDays(QDate today) {
    const auto key = [](int month, int day) {
        return QString::asprintf("%02d-%02d", month, day).toStdString();
    };
    std::vector<std::string> days{key(today.month(), today.day())};
    if (today.month() == 2 && today.day() == 28 && !QDate::isLeapYear(today.year()))
        days.push_back(key(2, 29));
    return days;
}

std::string Condition(const char* dayExpression, QDate today) {
    SqlBuffer sql;
    std::string list;
    for (const std::string& day : MonthDays(today))
        list += sql.format(list.empty() ? "'%q'" : ",'%q'", day.c_str());
    // "2025-12-07" < "2026-": every day of an earlier year and none of this one.
    const std::string year = QString::asprintf("%04d-", today.year()).toStdString();
    return sql.format("(length(%s) = 10 AND substr(%s, 6) IN (%s) AND %s < '%q')", dayExpression,
                      dayExpression, list.c_str(), dayExpression, year.c_str());
}

std::vector<EntryRow> Rows(CQBKDoc& doc, QDate today) {
    if (!doc.IsJournalOpen())
        return {};
    EntryFilter filter;
    filter.daysWhere =
        doc.EntryDaysWhere([today](const char* day) { return Condition(day, today); });
    std::vector<EntryRow> rows = LoadShownEntryRows(doc, filter);
    std::stable_sort(rows.begin(), rows.end(), [](const EntryRow& a, const EntryRow& b) {
        return a.timestamp > b.timestamp;
    });
    return rows;
}

} // namespace OnThisDay
