#include "support/QbkProcess.h"

#include <QProcess>
#include <QStringList>

#include <sstream>

#include <csignal>

#include <pty.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

QbkResult runQbk(const std::vector<std::string>& arguments, const std::string& input,
                 const QbkRunLimits& limits) {
    QStringList args;
    for (const std::string& argument : arguments)
        args.append(QString::fromStdString(argument));
    QProcess process;
    const long fileSizeLimit = limits.fileSizeLimit;
    // A pseudo-terminal whose other end this process types on; its line discipline turns
    // Ctrl-D at the start of a line into the end of the input, as a user's terminal does.
    int typing = -1;
    int terminal = -1;
    if (limits.typedOnTerminal && ::openpty(&typing, &terminal, nullptr, nullptr, nullptr) != 0)
        return {};
    process.setChildProcessModifier([fileSizeLimit, terminal] {
        ::setsid();
        if (terminal >= 0) {
            ::ioctl(terminal, TIOCSCTTY, 0);
            ::dup2(terminal, STDIN_FILENO);
        }
        if (fileSizeLimit > 0) {
            // A write past the limit then fails with EFBIG instead of killing the program.
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{rlim_t(fileSizeLimit), rlim_t(fileSizeLimit)};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
    });
    if (!limits.language.empty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("LC_ALL"));
        environment.remove(QStringLiteral("LANGUAGE"));
        environment.remove(QStringLiteral("LC_MESSAGES"));
        environment.insert(QStringLiteral("LANG"), QString::fromStdString(limits.language));
        process.setProcessEnvironment(environment);
    }
    if (!limits.standardOutputFile.empty())
        process.setStandardOutputFile(QString::fromStdString(limits.standardOutputFile));
    process.start(QStringLiteral(QBK_EXECUTABLE), args);
    QbkResult result;
    if (terminal >= 0) {
        ::close(terminal);
        if (::write(typing, input.data(), input.size()) != ssize_t(input.size()))
            process.kill();
    } else {
        process.write(input.data(), static_cast<qint64>(input.size()));
    }
    process.closeWriteChannel();
    const bool finished = process.waitForFinished(terminal >= 0 ? 20000 : 120000);
    if (typing >= 0)
        ::close(typing);
    if (!finished) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput().toStdString();
    result.err = process.readAllStandardError().toStdString();
    return result;
}

namespace {

// A separator at the end of the text ends the last piece.
std::vector<std::string> piecesOf(const std::string& text, char separator) {
    std::vector<std::string> pieces;
    std::istringstream in(text);
    for (std::string piece; std::getline(in, piece, separator);)
        pieces.push_back(piece);
    return pieces;
}

} // namespace

std::vector<std::string> linesOf(const std::string& text) {
    return piecesOf(text, '\n');
}

std::vector<std::string> tabFields(const std::string& line) {
    return piecesOf(line + '\t', '\t');
}
