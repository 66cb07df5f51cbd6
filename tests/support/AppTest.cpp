#include "support/AppTest.h"

#include "core/session/CQBKDoc.h"
#include "gui/app/BrowserPanes.h"
#include "gui/app/CMainFrame.h"
#include "gui/browser/CEntryListView.h"
#include "gui/browser/CQBKView.h"
#include "gui/editor/SpellingEngine.h"

#include <QSettings>
#include <QTest>
#include <QTreeView>

void AppTest::TearDown() {
    m_app.reset();
    GuiTest::TearDown();
}

StartOptions AppTest::quietStart(const QString& journal) {
    return StartOptions{
        .splash = false, .pauses = false, .journal = journal, .makeSample = false, .unknown = {}};
}

CJournalApp& AppTest::start(const StartOptions& options, bool realPanes) {
    m_app = std::make_unique<CJournalApp>(realPanes ? browserPanes() : fakePanes(m_panes));
    m_started = m_app->InitInstance(options);
    return *m_app;
}

void AppTest::startWithoutWelcome(bool realPanes) {
    setShowWelcome(0);
    // Editors open without the notice even where no dictionary is installed.
    SpellingEngine::markNoneTold();
    start(quietStart(), realPanes);
    ASSERT_TRUE(m_started);
}

void AppTest::setShowWelcome(int value) {
    QSettings().setValue(QStringLiteral("Settings/Show Welcome Dialog"), value);
}

CMainFrame& AppTest::frame() const {
    return *m_app->MainFrame();
}

void AppTest::openOnRealPanes(const std::string& path) {
    ASSERT_NO_FATAL_FAILURE(startWithoutWelcome(true));
    ASSERT_EQ(m_app->Document().OpenJournal(path), CQBKDoc::OpenResult::Ok);
    settle();
}

CEntryListView& AppTest::entryList() const {
    return *static_cast<CEntryListView*>(frame().View()->pane(CQBKView::Pane::EntryList));
}

QPoint AppTest::entryRowPoint(int row) const {
    QTreeView* list = entryList().listControl();
    return list->visualRect(list->model()->index(row, 1)).center();
}

void AppTest::clickEntryRow(int row) {
    QTest::mouseClick(entryList().listControl()->viewport(), Qt::LeftButton, {},
                      entryRowPoint(row));
}
