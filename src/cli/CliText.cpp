#include "cli/CliText.h"

#include <QCoreApplication>

std::string cliText(const char* text, const std::vector<std::string>& args) {
    const QString pattern = QCoreApplication::translate("qbk", text);
    // Both at once, so that a name holding "%2" is never filled in itself.
    switch (args.size()) {
    case 0:
        return pattern.toStdString();
    case 1:
        return pattern.arg(QString::fromStdString(args[0])).toStdString();
    default:
        return pattern.arg(QString::fromStdString(args[0]), QString::fromStdString(args[1]))
            .toStdString();
    }
}
