#include "cli/CommandSupport.h"

#include "cli/CliFailure.h"
#include "cli/CommandLine.h"
#include "cli/JournalSession.h"

#include <QRegularExpression>

#include <cstdio>

QStringList operandsOf(const CommandLine& line, qsizetype count, const char* names) {
    if (line.operands().size() != count)
        throw usageError(std::string("expected ") + names);
    return line.operands();
}

std::string readStandardInput() {
    std::string input;
    char buffer[65536];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0)
        input.append(buffer, n);
    return input;
}

PasswordSource passwordSourceFor(const CommandLine& line, const QString& file, std::string& input) {
    if (!line.isSet(QStringLiteral("password-stdin")))
        return PasswordSource::fromTerminal("Password for " + file.toUtf8().toStdString() + ": ");
    input = readStandardInput();
    const size_t end = input.find('\n');
    std::string password = input.substr(0, end);
    if (!password.empty() && password.back() == '\r')
        password.pop_back();
    input.erase(0, end == std::string::npos ? input.size() : end + 1);
    return PasswordSource::fromLine(password);
}

std::unique_ptr<JournalSession> openJournal(const CommandLine& line, const QString& file,
                                            std::string& input) {
    auto session = std::make_unique<JournalSession>(file, passwordSourceFor(line, file, input));
    session->open();
    return session;
}

COleDateTime parseDay(const QString& text, const char* option, int hour, int minute, int second) {
    static const QRegularExpression form(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    const QRegularExpressionMatch match = form.match(text);
    COleDateTime day;
    if (!match.hasMatch() || !day.SetDateTime(match.captured(1).toInt(), match.captured(2).toInt(),
                                              match.captured(3).toInt(), hour, minute, second))
        throw usageError(std::string("option --") + option + " needs a date as YYYY-MM-DD, not " +
                         text.toUtf8().toStdString());
    return day;
}

std::optional<DayRange> dayRangeOf(const CommandLine& line) {
    const std::optional<QString> from = line.value(QStringLiteral("from"));
    const std::optional<QString> to = line.value(QStringLiteral("to"));
    if (!from && !to)
        return std::nullopt;
    DayRange range;
    range.from = from ? parseDay(*from, "from", 0, 0, 0) : COleDateTime(100, 1, 1, 0, 0, 0);
    range.to = to ? parseDay(*to, "to", 23, 59, 59) : COleDateTime(9999, 12, 31, 23, 59, 59);
    if (range.to < range.from)
        throw usageError("the day of --from is after the day of --to");
    return range;
}
