#include "core/platform/ProgramInfo.h"
#include "core/platform/Translations.h"
#include "core/session/SampleJournal.h"
#include "gui/app/BrowserPanes.h"
#include "gui/app/CJournalApp.h"
#include "gui/app/SingleInstance.h"
#include "render/PaletteContrast.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>

namespace {

// QUILLBOOK_SCREENSHOT=path grabs the screen a few seconds after start-up (dialogs included),
// so the program can be looked at on a display without a screen.
void scheduleScreenshot() {
    const QString path = qEnvironmentVariable("QUILLBOOK_SCREENSHOT");
    if (path.isEmpty())
        return;
    bool ok = false;
    int delay = qEnvironmentVariableIntValue("QUILLBOOK_SCREENSHOT_DELAY", &ok);
    if (!ok)
        delay = 3000;
    // QUILLBOOK_SCREENSHOT_ACTION=objectName triggers that menu command half way, so a
    // dialog it opens is on the screenshot.
    const QString action = qEnvironmentVariable("QUILLBOOK_SCREENSHOT_ACTION");
    if (!action.isEmpty()) {
        QTimer::singleShot(delay / 2, qApp, [action] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (auto* command = window->findChild<QAction*>(action);
                    command && command->isEnabled()) {
                    command->trigger();
                    return;
                }
            }
        });
    }
    QTimer::singleShot(delay, qApp, [path] {
        if (QScreen* screen = QGuiApplication::primaryScreen())
            screen->grabWindow(0).save(path);
        // The dialog on top as the program renders it, beside the screen as X shows it.
        if (QWidget* dialog = QApplication::activeModalWidget())
            dialog->grab().save(path + QStringLiteral(".dialog.png"));
        if (qEnvironmentVariableIsSet("QUILLBOOK_SCREENSHOT_QUIT"))
            QCoreApplication::exit(0);
    });
}

int makeSample(const StartOptions& options) {
    if (options.journal.isEmpty()) {
        std::fputs(qPrintable(QCoreApplication::translate("quillbook",
                                                          "usage: quillbook --make-sample PATH\n")),
                   stderr);
        return 2;
    }
    const std::string problem = makeSampleJournal(QFile::encodeName(options.journal).toStdString());
    if (!problem.empty()) {
        std::fprintf(stderr, "quillbook: %s\n", problem.c_str());
        return 1;
    }
    return 0;
}

// What a second start hands to the program already running: the journal named (as an
// absolute path, since the two need not share a working folder), or just "come forward".
HandoffRequest handoffRequest(const StartOptions& options) {
    const QString journal = options.trimmedJournal();
    if (journal.isEmpty())
        return HandoffRequest::raise();
    return HandoffRequest::open(
        QFile::encodeName(QFileInfo(journal).absoluteFilePath()).toStdString());
}

// --help and --version answer without a display.
bool printsInformation(int argc, char* argv[], int& status) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            // In the user's language, still without a display.
            QCoreApplication information(argc, argv);
            Translations::install(information);
            std::fputs(quillbookUsage().c_str(), stdout);
            status = 0;
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-v") == 0) {
            std::fputs(versionLine("quillbook").c_str(), stdout);
            status = 0;
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (int status = 0; printsInformation(argc, argv, status))
        return status;

    // Writing the sample journal needs no display.
    bool sampleOnly = false;
    for (int i = 1; i < argc; ++i)
        sampleOnly = sampleOnly || std::strcmp(argv[i], "--make-sample") == 0;
    if (sampleOnly) {
        QCoreApplication application(argc, argv);
        Translations::install(application);
        return makeSample(StartOptions::parse(QCoreApplication::arguments().mid(1)));
    }

    QApplication application(argc, argv);
    Translations::install(application);
    // Ties the windows to quillbook.desktop (its icon and name in the task bar).
    QGuiApplication::setDesktopFileName(QStringLiteral("quillbook"));
    const StartOptions options = StartOptions::parse(QCoreApplication::arguments().mid(1));
    for (const QString& unknown : options.unknown)
        std::fputs(qPrintable(QCoreApplication::translate("quillbook",
                                                          "quillbook: ignoring unknown option %1\n")
                                  .arg(unknown)),
                   stderr);

    SingleInstance instance(InstanceHandoff::serverNameForThisSession());
    if (instance.start(handoffRequest(options)) == SingleInstance::Outcome::Delivered)
        return 0;

    scheduleScreenshot();
    // QUILLBOOK_PALETTE=dark tries the program as a desktop in dark mode shows it. It is set
    // once the windows are up, the way a desktop switching scheme reaches them.
    if (qEnvironmentVariable("QUILLBOOK_PALETTE") == QLatin1StringView("dark"))
        QTimer::singleShot(0, [] { QApplication::setPalette(PaletteContrast::darkPalette()); });
    CJournalApp app(browserPanes());
    instance.setHandler([&app](const HandoffRequest& request, bool firstOffer) {
        return app.TakeHandoff(request, firstOffer);
    });
    if (!app.InitInstance(options))
        return 1;
    return QApplication::exec();
}
