// qbk: reads and writes Quillbook journals from the command line.
#include "cli/CliFailure.h"
#include "cli/CliText.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"

#include "cli/TerminalUi.h"

#include "core/platform/ProgramInfo.h"
#include "core/platform/Translations.h"
#include "core/store/CppSQLite3Exception.h"
#include "core/store/JournalMessages.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

void printError(const std::string& message) {
    std::fputs(("qbk: " + message + "\n").c_str(), stderr);
}

int runCommand(const CommandDef& command, const QStringList& arguments) {
    std::vector<OptionDef> options = command.options;
    options.push_back({QStringLiteral("help")});
    QString file;
    try {
        const CommandLine line(arguments, options);
        if (line.isSet(QStringLiteral("help"))) {
            std::fputs(commandHelp(command).c_str(), stdout);
            return ExitSuccess;
        }
        file = line.operands().value(0);
        return command.run(line);
    } catch (const CliFailure& failure) {
        if (failure.pointsToHelp())
            printError(std::string(command.name) + ": " + failure.what() + " " +
                       cliText(QT_TRANSLATE_NOOP("qbk", "(see qbk %1 --help)"), {command.name}));
        else
            printError(failure.what());
        return failure.status();
    } catch (const CppSQLite3Exception& e) {
        // A journal that opened but fails on reading (a damaged or hand-edited file): the
        // cause in words, the library's own after it for a bug report.
        const std::string label = file.toUtf8().toStdString();
        printError(label + ": " +
                   foldLines(JournalMessages::DatabaseFailure(
                       e.code(), QFile::encodeName(file).toStdString())) +
                   " (" + e.message() + ")");
        return ExitJournal;
    }
}

QtMessageHandler g_qtHandler = nullptr;

// Qt's notes about the desktop it runs on (no XDG_RUNTIME_DIR in a cron job, the offscreen
// platform's remarks) mean nothing to someone using a tool that never shows a window.
void quietPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const bool platformNote =
        type != QtFatalMsg &&
        ((context.category && std::strncmp(context.category, "qt.qpa", 6) == 0) ||
         text.startsWith(QLatin1String("QStandardPaths: ")));
    if (!platformNote && g_qtHandler)
        g_qtHandler(type, context, text);
}

// Commands that lay out pages (printing) or write ODT need fonts and Qt's document classes, and
// so a QGuiApplication; the others start faster without one. qbk never shows a window, so the
// offscreen platform serves with or without a display.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    bool gui = commandNeedsGui(arguments);
    const auto& table = commandTable();
    gui = gui || (argc > 1 && std::any_of(table.begin(), table.end(), [&](const auto& c) {
                      return c.drawsPages && std::strcmp(argv[1], c.name) == 0;
                  }));
    if (gui) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

int dispatch(QStringList arguments) {
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
    const auto command = std::find_if(table.begin(), table.end(), [&](const CommandDef& c) {
        return name == QLatin1String(c.name);
    });
    if (command == table.end()) {
        printError(cliText(QT_TRANSLATE_NOOP("qbk", "unknown command %1 (see qbk --help)"),
                           {name.toUtf8().toStdString()}));
        return ExitUsage;
    }
    return runCommand(*command, arguments);
}

// Output that never arrived is a failure like any other (a full disk behind "> file"): what is
// still buffered is written and the stream closed before the exit status is decided.
int closeStandardOutput(int status) {
    errno = 0;
    const bool written = std::fflush(stdout) == 0 && !std::ferror(stdout);
    const int cause = errno;
    if (std::fclose(stdout) == 0 && written)
        return status;
    printError(outputError(cause != 0 ? cause : errno != 0 ? errno : EIO).what());
    return status == ExitSuccess ? ExitJournal : status;
}

} // namespace

int main(int argc, char* argv[]) {
    g_qtHandler = qInstallMessageHandler(quietPlatformNotes);
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    Translations::install(*app);
    return closeStandardOutput(dispatch(QCoreApplication::arguments().mid(1)));
}
