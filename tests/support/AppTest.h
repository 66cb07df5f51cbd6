#pragma once

#include "gui/app/CJournalApp.h"
#include "support/FakePanes.h"
#include "support/GuiTest.h"

#include <QPoint>

#include <memory>
#include <string>

class CEntryListView;
class CMainFrame;

// A test that starts the whole application (no splash, no pauses) on fake panes, or on the
// real ones where a test asks for them.
class AppTest : public GuiTest {
protected:
    void TearDown() override;

    static StartOptions quietStart(const QString& journal = {});
    // Starts the application; the Welcome dialog setting is the test's to choose beforehand.
    CJournalApp& start(const StartOptions& options = quietStart(), bool realPanes = false);
    static void setShowWelcome(int value);
    // Starts with the Welcome dialog turned off; the test fails if the start does.
    void startWithoutWelcome(bool realPanes = false);
    // Starts on the real panes, without the Welcome dialog, with the journal at path open.
    void openOnRealPanes(const std::string& path);

    CEntryListView& entryList() const;
    QPoint entryRowPoint(int row) const; // in the list's viewport
    void clickEntryRow(int row);

    CMainFrame& frame() const;
    FakePane& pane(CQBKView::Pane which) const { return *m_panes[static_cast<std::size_t>(which)]; }

    std::unique_ptr<CJournalApp> m_app;
    std::array<FakePane*, 4> m_panes{};
    bool m_started = false;
};

// The application started without the Welcome dialog and without a journal.
class StartedAppTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        startWithoutWelcome();
    }
};
