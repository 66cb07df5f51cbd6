#include "support/QbkProcess.h"

#include <QProcess>
#include <QStringList>

#include <sstream>

#include <csignal>

#include <sys/resource.h>
#include <unistd.h>

QbkResult runQbk(const std::vector<std::string>& arguments, const std::string& input,
                 const QbkRunLimits& limits) {
    QStringList args;
    for (const std::string& argument : arguments)
        args.append(QString::fromStdString(argument));
    QProcess process;
    const long fileSizeLimit = limits.fileSizeLimit;
    process.setChildProcessModifier([fileSizeLimit] {
        ::setsid();
        if (fileSizeLimit > 0) {
            // A write past the limit then fails with EFBIG instead of killing the program.
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{rlim_t(fileSizeLimit), rlim_t(fileSizeLimit)};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
    });
    if (!limits.standardOutputFile.empty())
        process.setStandardOutputFile(QString::fromStdString(limits.standardOutputFile));
    process.start(QStringLiteral(QBK_EXECUTABLE), args);
    QbkResult result;
    process.write(input.data(), static_cast<qint64>(input.size()));
    process.closeWriteChannel();
    if (!process.waitForFinished(120000)) {
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
