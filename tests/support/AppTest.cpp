#include "support/AppTest.h"

#include "app/BrowserPanes.h"
#include "app/CMainFrame.h"

#include <QSettings>

void AppTest::TearDown() {
    m_app.reset();
    GuiTest::TearDown();
}

StartOptions AppTest::quietStart(const QString& journal) {
    StartOptions options;
    options.splash = false;
    options.pauses = false;
    options.journal = journal;
    return options;
}

CJournalApp& AppTest::start(const StartOptions& options) {
    m_app = std::make_unique<CJournalApp>(fakePanes(m_panes));
    m_started = m_app->InitInstance(options);
    return *m_app;
}

CJournalApp& AppTest::startWithRealPanes(const StartOptions& options) {
    m_app = std::make_unique<CJournalApp>(browserPanes());
    m_started = m_app->InitInstance(options);
    return *m_app;
}

void AppTest::setShowWelcome(int value) {
    QSettings().setValue(QStringLiteral("Settings/Show Welcome Dialog"), value);
}

CMainFrame& AppTest::frame() const {
    return *m_app->MainFrame();
}
