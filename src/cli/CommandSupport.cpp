#include "cli/CommandSupport.h"

#include "cli/CliFailure.h"
#include "cli/CliText.h"
#include "cli/CommandLine.h"
#include "cli/JournalSession.h"

#include "core/store/SkippedEntry.h"

#include <QRegularExpression>

#include <cerrno>
#include <cstdio>

#include <unistd.h>

QStringList operandsOf(const CommandLine& line, qsizetype count, const char* names) {
    if (line.operands().size() != count)
        throw usageError(cliText(QT_TRANSLATE_NOOP("qbk", "expected %1"), {names}));
    return line.operands();
}

std::string readStandardInput() {
    // Read by the descriptor: on a terminal the first Ctrl-D at the start of a line ends the
    // text, where the C library's buffering would wait for a second.
    std::string input;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        input.append(buffer, static_cast<size_t>(n));
    }
    return input;
}

PasswordSource passwordSourceFor(const CommandLine& line, const QString& file, std::string& input) {
    if (!line.isSet(QStringLiteral("password-stdin")))
        return PasswordSource::fromTerminal(
            cliText(QT_TRANSLATE_NOOP("qbk", "Password for %1: "), {file.toUtf8().toStdString()}));
    input = readStandardInput();
    const size_t end = input.find('\n');
    std::string password = input.substr(0, end);
    if (!password.empty() && password.back() == '\r')
        password.pop_back();
    input.erase(0, end == std::string::npos ? input.size() : end + 1);
    return PasswordSource::fromLine(password);
}

std::unique_ptr<JournalSession> openJournal(const CommandLine& line, const QString& file,
                                            std::string& input, bool toWrite) {
    auto session = std::make_unique<JournalSession>(file, passwordSourceFor(line, file, input));
    session->open(toWrite ? JournalSession::Access::Write : JournalSession::Access::Read);
    return session;
}

COleDateTime parseDay(const QString& text, const char* option, int hour, int minute, int second) {
    static const QRegularExpression form(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    const QRegularExpressionMatch match = form.match(text);
    COleDateTime day;
    if (!match.hasMatch() || !day.SetDateTime(match.captured(1).toInt(), match.captured(2).toInt(),
                                              match.captured(3).toInt(), hour, minute, second))
        throw usageError(
            cliText(QT_TRANSLATE_NOOP("qbk", "option --%1 needs a date as YYYY-MM-DD, not %2"),
                    {option, text.toUtf8().toStdString()}));
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
        throw usageError(
            cliText(QT_TRANSLATE_NOOP("qbk", "the day of --from is after the day of --to")));
    return range;
}

int reportProblems(const std::string& label, const ReadProblems& problems) {
    std::string lines;
    for (const SkippedEntry& skipped : problems.skipped)
        lines += "qbk: " + label + ": skipped " + DescribeSkipped(skipped) + "\n";
    if (!problems.topics.empty())
        lines += "qbk: " + label + ": " + problems.topics + "\n";
    std::fputs(lines.c_str(), stderr);
    return lines.empty() ? ExitSuccess : ExitProblems;
}
