#pragma once

#include "core/editor/JournalStats.h"

#include <QString>
#include <utility>
#include <vector>

// The Statistics window's words, in the user's locale.
namespace JournalStatsTexts {

// The summary as label and value: entries, words, characters, days written, the streaks,
// the busiest weekday.
std::vector<std::pair<QString, QString>> Summary(const JournalStats& stats);
// The table's column titles: month, entries, words, characters.
std::vector<QString> MonthColumns();
// A month as the table and the charts name it: "Dec 2026".
QString MonthName(int year, int month);
QString EntriesChartTitle();
QString WordsChartTitle();

} // namespace JournalStatsTexts
