#include "core/editor/JournalStatsTexts.h"

#include <QCoreApplication>
#include <QLocale>

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Statistics)
};
QString days(int count) {
    return count == 1 ? Texts::tr("1 day") : Texts::tr("%1 days").arg(count);
}
} // namespace

namespace JournalStatsTexts {

std::vector<std::pair<QString, QString>> Summary(const JournalStats& stats) {
    const QLocale locale;
    const int weekday = stats.busiestWeekday();
    QString longest = days(stats.longestStreak);
    if (stats.longestStreak > 0)
        longest = Texts::tr("%1, to %2")
                      .arg(longest, locale.toString(stats.longestStreakEnd, QLocale::ShortFormat));
    return {
        {Texts::tr("Entries"), locale.toString(stats.all.entries)},
        {Texts::tr("Words"), locale.toString(stats.all.words)},
        {Texts::tr("Characters"), locale.toString(stats.all.characters)},
        {Texts::tr("Days written"), locale.toString(stats.daysWritten)},
        {Texts::tr("Longest streak"), longest},
        {Texts::tr("Current streak"), days(stats.currentStreak)},
        {Texts::tr("Busiest weekday"), weekday ? locale.dayName(weekday) : Texts::tr("none")},
    };
}

std::vector<QString> MonthColumns() {
    return {Texts::tr("Month"), Texts::tr("Entries"), Texts::tr("Words"), Texts::tr("Characters")};
}

QString MonthName(int year, int month) {
    return QLocale().toString(QDate(year, month, 1), QStringLiteral("MMM yyyy"));
}

QString EntriesChartTitle() {
    return Texts::tr("Entries per month");
}

QString WordsChartTitle() {
    return Texts::tr("Words per month");
}

} // namespace JournalStatsTexts
