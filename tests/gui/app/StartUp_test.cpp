// Start-up as a user sees it: the Welcome dialog by its setting, a journal named on the
// command line, the recent list, the password prompt.
#include "app/CMainFrame.h"
#include "app/CWelcomeDlg.h"
#include "platform/ControlId.h"
#include "store/CQBKDoc.h"
#include "support/AppTest.h"
#include "support/TestJournal.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>

#include <optional>

namespace {

class StartUpTest : public AppTest {
protected:
    QString journalPath(const TestJournal& journal) const {
        return QFile::decodeName(journal.path().c_str());
    }
    void expectWelcomeThen(const QString& button) {
        m_modals.then([button](QWidget* dialog) {
            EXPECT_EQ(dialog->objectName(), QStringLiteral("welcomeDialog"));
            clickButton(dialog, button);
        });
    }
};

TEST_F(StartUpTest, OnlyAMissingSettingOrTheValueOneShowsTheWelcomeDialog) {
    for (const std::optional<int> value : {std::optional<int>(), {1}, {0}, {2}, {-1}}) {
        const bool shows = !value || *value == 1;
        if (value)
            setShowWelcome(*value);
        if (shows)
            expectWelcomeThen(QStringLiteral("Close"));
        const std::size_t before = m_modals.handled();
        start();
        EXPECT_TRUE(m_started);
        EXPECT_EQ(m_modals.handled(), before + (shows ? 1u : 0u)) << value.value_or(99);
        EXPECT_TRUE(frame().isVisible());
        EXPECT_FALSE(m_app->Document().IsJournalOpen());
        m_app.reset();
    }
}

TEST_F(StartUpTest, JournalNamedOnTheCommandLineOpensWithoutTheWelcomeDialog) {
    TestJournal journal;
    start(quietStart(journalPath(journal) + QStringLiteral("  ")));
    EXPECT_TRUE(m_started);
    EXPECT_TRUE(m_app->Document().IsJournalOpen());
    EXPECT_EQ(m_app->Document().m_path, journal.path());
    EXPECT_EQ(m_modals.handled(), 0u);
    EXPECT_EQ(m_app->Recent().path(0), journal.path());
    // The list is in the settings at once.
    QSettings settings;
    EXPECT_EQ(settings.value(QStringLiteral("Recent File List/File1")).toString(),
              journalPath(journal));
}

TEST_F(StartUpTest, AFileThatCannotBeReadEndsStartUpWithAMessage) {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.qbk"));
    m_modals.then([&](QWidget* box) {
        EXPECT_TRUE(messageText(box).contains(missing));
        clickButton(box, QStringLiteral("OK"));
    });
    start(quietStart(missing));
    EXPECT_FALSE(m_started);
}

TEST_F(StartUpTest, AReadableFileThatIsNoJournalIsReportedAndTheWindowStays) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notes.qbk"));
    ASSERT_TRUE(writeFile(path, "plain text, not a journal"));
    m_modals.then([](QWidget* box) {
        EXPECT_FALSE(messageText(box).isEmpty());
        clickButton(box, QStringLiteral("OK"));
    });
    start(quietStart(path));
    EXPECT_TRUE(m_started);
    EXPECT_FALSE(m_app->Document().IsJournalOpen());
    EXPECT_TRUE(frame().isVisible());
}

TEST_F(StartUpTest, CancellingThePasswordPromptAtStartUpLeavesTheWindowWithoutAMessage) {
    TestJournal journal("secret");
    m_modals.then([](QWidget* dialog) { clickButton(dialog, QStringLiteral("Cancel")); });
    start(quietStart(journalPath(journal)));
    EXPECT_TRUE(m_started);
    EXPECT_FALSE(m_app->Document().IsJournalOpen());
    EXPECT_EQ(m_modals.handled(), 1u);
}

TEST_F(StartUpTest, RecentListOpensTheJournalItNames) {
    setShowWelcome(0);
    TestJournal journal;
    QSettings().setValue(QStringLiteral("Recent File List/File1"), journalPath(journal));
    start();
    QAction* first = action(&frame(), QStringLiteral("actionRecentFile1"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->text(), QStringLiteral("&1 ") + journalPath(journal));
    EXPECT_FALSE(action(&frame(), QStringLiteral("actionRecentFile2"))->isEnabled());
    trigger(&frame(), QStringLiteral("actionRecentFile1"));
    EXPECT_TRUE(m_app->Document().IsJournalOpen());
    EXPECT_EQ(m_app->Document().m_path, journal.path());
}

TEST_F(StartUpTest, WelcomeOpenLastOpensTheMostRecentJournal) {
    TestJournal journal;
    QSettings().setValue(QStringLiteral("Recent File List/File1"), journalPath(journal));
    expectWelcomeThen(QStringLiteral("Open The Last Journal You Worked On"));
    start();
    EXPECT_TRUE(m_app->Document().IsJournalOpen());
}

TEST_F(StartUpTest, WelcomeOpenAndCreateRunTheirCommands) {
    expectWelcomeThen(QStringLiteral("Open an Existing Journal"));
    m_modals.then([](QWidget* dialog) {
        EXPECT_NE(qobject_cast<QFileDialog*>(dialog), nullptr);
        EXPECT_EQ(dialog->objectName(), QStringLiteral("openJournalDialog"));
        qobject_cast<QDialog*>(dialog)->reject();
    });
    start();
    EXPECT_EQ(m_modals.handled(), 2u);
    m_app.reset();

    expectWelcomeThen(QStringLiteral("Create a New Journal"));
    m_modals.then([](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), QStringLiteral("CNewJournalDlg"));
        qobject_cast<QDialog*>(dialog)->reject();
    });
    start();
    EXPECT_EQ(m_modals.handled(), 4u);
    EXPECT_FALSE(m_app->Document().IsJournalOpen());
}

TEST_F(StartUpTest, WelcomeDialogCommandShowsItWhateverTheSettingAndAJournalOpen) {
    setShowWelcome(0);
    TestJournal journal;
    start(quietStart(journalPath(journal)));
    ASSERT_TRUE(m_app->Document().IsJournalOpen());
    expectWelcomeThen(QStringLiteral("Close"));
    trigger(&frame(), QStringLiteral("actionWelcomeDialog"));
    EXPECT_EQ(m_modals.handled(), 1u);
    EXPECT_TRUE(m_app->Document().IsJournalOpen());
}

TEST(StartOptions, ReadsTheCommandLine) {
    struct Case {
        const char* argument;
        bool splash;
        bool pauses;
        const char* journal;
        const char* unknown;
    };
    for (const Case& c : {Case{"/tmp/a b.qbk", true, true, "/tmp/a b.qbk", ""},
                          Case{"--nosplash", false, false, "", ""},
                          Case{"-Embedding", false, true, "", ""}, // the pauses stay
                          Case{"--frobnicate", true, true, "", "--frobnicate"}}) {
        const StartOptions options = StartOptions::parse({QString::fromLatin1(c.argument)});
        EXPECT_EQ(options.splash, c.splash) << c.argument;
        EXPECT_EQ(options.pauses, c.pauses) << c.argument;
        EXPECT_EQ(options.journal, QString::fromLatin1(c.journal)) << c.argument;
        EXPECT_EQ(options.unknown.join(u' '), QString::fromLatin1(c.unknown)) << c.argument;
    }
}

} // namespace
