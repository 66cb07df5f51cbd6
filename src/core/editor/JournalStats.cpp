#include "core/editor/JournalStats.h"

#include "core/editor/EditorWindowRules.h"
#include "core/session/JournalReader.h"
#include "core/store/CHiddenRichEdit.h"
#include "core/store/SqlBuffer.h"
#include "core/store/SqlDatabase.h"
#include "core/store/SqlQuery.h"
#include "core/store/TimeStamp.h"

#include <QLocale>

void WrittenTotals::add(const WrittenTotals& other) {
    entries += other.entries;
    words += other.words;
    characters += other.characters;
}

int JournalStats::busiestWeekday() const {
    int busiest = 0;
    for (int day = 1; day <= 7; ++day)
        if (perWeekday[day - 1] > 0 &&
            (busiest == 0 || perWeekday[day - 1] > perWeekday[busiest - 1]))
            busiest = day;
    return busiest;
}

namespace {

std::string dayKey(QDate day) {
    return QString::asprintf("%04d-%02d-%02d", day.year(), day.month(), day.day()).toStdString();
}

std::string spanCondition(const StatsSpan& span) {
    SqlBuffer sql;
    std::string where = "1";
    if (span.from.isValid())
        where += sql.format(" AND substr(TimeStamp, 1, 10) >= '%q'", dayKey(span.from).c_str());
    if (span.to.isValid())
        where += sql.format(" AND substr(TimeStamp, 1, 10) <= '%q'", dayKey(span.to).c_str());
    return where;
}

// Streaks over the days written, in order.
void countStreaks(const std::map<QDate, bool>& days, QDate lastDay, JournalStats& stats) {
    stats.daysWritten = static_cast<int>(days.size());
    int run = 0;
    QDate previous;
    for (const auto& [day, written] : days) {
        run = previous.isValid() && previous.addDays(1) == day ? run + 1 : 1;
        previous = day;
        if (run > stats.longestStreak) {
            stats.longestStreak = run;
            stats.longestStreakEnd = day;
        }
    }
    QDate day = days.count(lastDay) ? lastDay : lastDay.addDays(-1);
    while (days.count(day)) {
        ++stats.currentStreak;
        day = day.addDays(-1);
    }
}

} // namespace

JournalStats ComputeJournalStats(const JournalReader& reader, const StatsSpan& span, QDate today,
                                 const std::atomic<bool>* cancel,
                                 const std::function<void(long long, long long)>& progress) {
    JournalStats stats;
    SqlDatabase& db = reader.Db();
    const std::string where = spanCondition(span);
    SqlBuffer sql;
    long long total = 0;
    if (progress) {
        SqlQuery count =
            db.query(sql.format("SELECT count(*) FROM main.Entry WHERE %s", where.c_str()));
        total = count.eof() ? 0 : count.intField(0, 0);
        count.finalize();
    }
    std::map<QDate, bool> days;
    SqlQuery query =
        db.query(sql.format("SELECT TimeStamp, EntryText FROM main.Entry WHERE %s", where.c_str()));
    long long done = 0;
    for (; !query.eof(); query.nextRow()) {
        if (cancel && cancel->load())
            break;
        const std::string plain = reader.Decipher(query.fieldValue(1));
        const EditorWindowRules::TextCounts counts = EditorWindowRules::countText(
            CHiddenRichEdit::ShownText(CHiddenRichEdit::SF_RTF, plain));
        const WrittenTotals one{1, counts.words, counts.characters};
        stats.all.add(one);
        const COleDateTime when = ParseTimeStamp(query.fieldValue(0));
        if (when.IsValid()) {
            const QDate day(when.GetYear(), when.GetMonth(), when.GetDay());
            stats.perMonth[{day.year(), day.month()}].add(one);
            stats.perYear[day.year()].add(one);
            ++stats.perWeekday[day.dayOfWeek() - 1];
            days[day] = true;
        } else {
            ++stats.undated;
        }
        if (progress && ++done % 256 == 0)
            progress(done, total);
    }
    query.finalize();
    const QDate lastDay = span.to.isValid() && span.to < today ? span.to : today;
    countStreaks(days, lastDay, stats);
    return stats;
}

std::string JournalStatsTsv(const JournalStats& stats) {
    const auto line = [](const char* name, const QString& value) {
        return std::string(name) + '\t' + value.toStdString() + '\n';
    };
    const auto totals = [](const WrittenTotals& t) {
        return QStringLiteral("%1\t%2\t%3").arg(t.entries).arg(t.words).arg(t.characters);
    };
    const int weekday = stats.busiestWeekday();
    std::string tsv = line("entries", QString::number(stats.all.entries)) +
                      line("words", QString::number(stats.all.words)) +
                      line("characters", QString::number(stats.all.characters)) +
                      line("days written", QString::number(stats.daysWritten)) +
                      line("longest streak", QString::number(stats.longestStreak)) +
                      line("current streak", QString::number(stats.currentStreak)) +
                      line("busiest weekday", weekday ? QLocale::c().dayName(weekday) : QString());
    for (const auto& [year, t] : stats.perYear)
        tsv += line("year", QString::number(year) + u'\t' + totals(t));
    for (const auto& [month, t] : stats.perMonth)
        tsv +=
            line("month", QString::asprintf("%04d-%02d\t", month.first, month.second) + totals(t));
    return tsv;
}
