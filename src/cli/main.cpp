// qbk: reads and writes Quillbook journals from the command line.
#include "CliFailure.h"
#include "CommandLine.h"
#include "Commands.h"

#include "platform/ProgramInfo.h"
#include "store/CppSQLite3Exception.h"

#include <QCoreApplication>
#ifdef QBK_WITH_ODT
#include <QGuiApplication>
#endif

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

void printError(const std::string& message) {
    std::fputs(("qbk: " + message + "\n").c_str(), stderr);
}

int runCommand(const CommandSpec& command, const QStringList& arguments) {
    std::vector<OptionSpec> options = command.options;
    options.push_back({QStringLiteral("help")});
    QString file;
    try {
        const CommandLine line(arguments, options);
        if (line.isSet(QStringLiteral("help"))) {
            std::fputs(command.help, stdout);
            return ExitSuccess;
        }
        file = line.operands().value(0);
        return command.run(line);
    } catch (const CliFailure& failure) {
        if (failure.status() == ExitUsage)
            printError(std::string(command.name) + ": " + failure.what() + " (see qbk " +
                       command.name + " --help)");
        else
            printError(failure.what());
        return failure.status();
    } catch (const CppSQLite3Exception& e) {
        // A journal that opened but fails on reading (a damaged or hand-edited file).
        printError(file.toUtf8().toStdString() + ": " + e.message());
        return ExitJournal;
    }
}

// The application object: the plain one, or for ODT export one that loads Qt's GUI library
// on a platform without a display.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[]) {
#ifdef QBK_WITH_ODT
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (commandNeedsGui(arguments)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
#endif
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char* argv[]) {
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty()) {
        std::fputs(toolHelp().c_str(), stderr);
        return ExitUsage;
    }
    const QString name = arguments.takeFirst();
    if (name == u"--help" || name == u"-h" || name == u"help") {
        std::fputs(toolHelp().c_str(), stdout);
        return ExitSuccess;
    }
    if (name == u"--version" || name == u"-v") {
        std::fputs(versionLine("qbk").c_str(), stdout);
        return ExitSuccess;
    }
    const auto& table = commandTable();
    const auto command = std::find_if(table.begin(), table.end(), [&](const CommandSpec& c) {
        return name == QLatin1String(c.name);
    });
    if (command == table.end()) {
        printError("unknown command " + name.toUtf8().toStdString() + " (see qbk --help)");
        return ExitUsage;
    }
    return runCommand(*command, arguments);
}
