#include "core/editor/JournalStatsTexts.h"

#include <QCoreApplication>
#include <QLocale>

namespace {
QString tr(const char* text) {
    return QCoreApplication::translate("Statistics", text);
}
QString days(int count) {
    return count == 1 ? tr("1 day") : tr("%1 days").arg(count);
}
} // namespace

namespace JournalStatsTexts {

std::vector<std::pair<QString, QString>> Summary(const JournalStats& stats) {
    const QLocale locale;
    const int weekday = stats.busiestWeekday();
    QString longest = days(stats.longestStreak);
    if (stats.longestStreak > 0)
        longest = tr("%1, to %2")
                      .arg(longest, locale.toString(stats.longestStreakEnd, QLocale::ShortFormat));
    return {
        {tr("Entries"), locale.toString(stats.all.entries)},
        {tr("Words"), locale.toString(stats.all.words)},
        {tr("Characters"), locale.toString(stats.all.characters)},
        {tr("Days written"), locale.toString(stats.daysWritten)},
        {tr("Longest streak"), longest},
        {tr("Current streak"), days(stats.currentStreak)},
        {tr("Busiest weekday"), weekday ? locale.dayName(weekday) : tr("none")},
    };
}

std::vector<QString> MonthColumns() {
    return {tr("Month"), tr("Entries"), tr("Words"), tr("Characters")};
}

QString MonthName(int year, int month) {
    return QLocale().toString(QDate(year, month, 1), QStringLiteral("MMM yyyy"));
}

QString EntriesChartTitle() {
    return tr("Entries per month");
}

QString WordsChartTitle() {
    return tr("Words per month");
}

} // namespace JournalStatsTexts
