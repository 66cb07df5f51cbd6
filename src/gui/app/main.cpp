#include "app/BrowserPanes.h"
#include "app/CJournalApp.h"
#include "app/SampleJournal.h"

#include <QAction>
#include <QApplication>
#include <QFile>
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
        std::fprintf(stderr, "usage: quillbook --make-sample PATH\n");
        return 2;
    }
    const std::string problem = makeSampleJournal(QFile::encodeName(options.journal).toStdString());
    if (!problem.empty()) {
        std::fprintf(stderr, "quillbook: %s\n", problem.c_str());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    // Writing the sample journal needs no display.
    bool sampleOnly = false;
    for (int i = 1; i < argc; ++i)
        sampleOnly = sampleOnly || std::strcmp(argv[i], "--make-sample") == 0;
    if (sampleOnly) {
        QCoreApplication application(argc, argv);
        return makeSample(StartOptions::parse(QCoreApplication::arguments().mid(1)));
    }

    QApplication application(argc, argv);
    const StartOptions options = StartOptions::parse(QCoreApplication::arguments().mid(1));
    for (const QString& unknown : options.unknown)
        std::fprintf(stderr, "quillbook: ignoring unknown option %s\n", qPrintable(unknown));
    scheduleScreenshot();
    CJournalApp app(browserPanes());
    if (!app.InitInstance(options))
        return 1;
    return QApplication::exec();
}
