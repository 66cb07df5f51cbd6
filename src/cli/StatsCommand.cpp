// qbk stats: how much the journal holds, by month and year, and the streaks of days written.
#include "cli/CliFailure.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/EntryListing.h"
#include "cli/JournalSession.h"

#include "core/editor/JournalStats.h"

#include <QDate>
#include <QString>

int runStats(const CommandLine& line) {
    const QString file = operandsOf(line, 1, "FILE")[0];
    StatsSpan span;
    if (const std::optional<DayRange> days = dayRangeOf(line)) {
        if (line.value(QStringLiteral("from")))
            span.from = QDate(days->from.GetYear(), days->from.GetMonth(), days->from.GetDay());
        if (line.value(QStringLiteral("to")))
            span.to = QDate(days->to.GetYear(), days->to.GetMonth(), days->to.GetDay());
    }
    std::string input;
    const std::unique_ptr<JournalSession> opened = openJournal(line, file, input);
    const std::string tsv =
        JournalStatsTsv(ComputeJournalStats(opened->reader(), span, QDate::currentDate()));
    if (line.isSet(QStringLiteral("tsv"))) {
        writeOut(tsv);
        return ExitSuccess;
    }
    std::vector<std::vector<std::string>> rows;
    for (const QString& text : QString::fromStdString(tsv).split(u'\n', Qt::SkipEmptyParts)) {
        std::vector<std::string>& row = rows.emplace_back();
        for (const QString& field : text.split(u'\t'))
            row.push_back(field.toStdString());
    }
    printRows(rows, false);
    return ExitSuccess;
}
