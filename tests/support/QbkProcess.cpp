#include "support/QbkProcess.h"

#include <QProcess>
#include <QStringList>

#include <sstream>

#include <unistd.h>

QbkResult runQbk(const std::vector<std::string>& arguments, const std::string& input) {
    QStringList args;
    for (const std::string& argument : arguments)
        args.append(QString::fromStdString(argument));
    QProcess process;
    process.setChildProcessModifier([] { ::setsid(); });
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
