// Start-up as a user sees it: the Welcome dialog by its setting, a journal named on the
// command line, the recent list, the password prompt.
#include "core/session/CQBKDoc.h"
#include "core/store/JournalMessages.h"
#include "gui/app/CMainFrame.h"
#include "support/AppTest.h"
#include "support/TestJournal.h"

#include <QAction>
#include <QDialog>
#include <QFile>
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
    EXPECT_EQ(m_app->Document().Path(), journal.path());
    EXPECT_EQ(m_app->Recent().path(0), journal.path());
    // The list is in the settings at once.
    EXPECT_EQ(QSettings().value(QStringLiteral("Recent File List/File1")).toString(),
              journalPath(journal));
}

// A named file that cannot be read ends start-up; one that is no journal is reported and the
// window stays; a cancelled password prompt leaves the window without a message.
TEST_F(StartUpTest, NamedFilesThatDoNotOpen) {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.qbk"));
    const QString notes = dir.filePath(QStringLiteral("notes.qbk"));
    ASSERT_TRUE(writeFile(notes, "plain text, not a journal"));
    TestJournal secret("secret");
    for (const auto& [path, told] :
         {std::pair{missing, missing},
          std::pair{notes, QString::fromLatin1(JournalMessages::kNotAJournal)},
          std::pair{journalPath(secret), QString()}}) {
        m_modals.then([told](QWidget* box) {
            EXPECT_TRUE(messageText(box).contains(told)) << messageText(box).toStdString();
            clickButton(box, told.isEmpty() ? QStringLiteral("Cancel") : QStringLiteral("OK"));
        });
        start(quietStart(path));
        EXPECT_EQ(m_started && frame().isVisible(), path != missing);
        EXPECT_FALSE(m_app->Document().IsJournalOpen());
        m_app.reset();
    }
}

// The Welcome Dialog command shows it whatever the setting, with a journal open.
TEST_F(StartUpTest, RecentListOpensTheJournalItNamesAndWelcomeCommandShowsTheDialog) {
    TestJournal journal;
    QSettings().setValue(QStringLiteral("Recent File List/File1"), journalPath(journal));
    startWithoutWelcome();
    QAction* first = action(&frame(), QStringLiteral("actionRecentFile1"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->text(), QStringLiteral("&1 ") + journalPath(journal));
    EXPECT_FALSE(action(&frame(), QStringLiteral("actionRecentFile2"))->isEnabled());
    trigger(&frame(), QStringLiteral("actionRecentFile1"));
    EXPECT_TRUE(m_app->Document().IsJournalOpen());
    EXPECT_EQ(m_app->Document().Path(), journal.path());
    expectWelcomeThen(QStringLiteral("Close"));
    trigger(&frame(), QStringLiteral("actionWelcomeDialog"));
    EXPECT_TRUE(m_app->Document().IsJournalOpen());
}

// Open Last opens the recent journal; the other two buttons show their dialogs.
TEST_F(StartUpTest, WelcomeButtonsRunTheirCommands) {
    TestJournal journal;
    QSettings().setValue(QStringLiteral("Recent File List/File1"), journalPath(journal));
    for (const auto& [button, next] : {std::pair{"Open an Existing Journal", "openJournalDialog"},
                                       std::pair{"Create a New Journal", "CNewJournalDlg"},
                                       std::pair{"Open The Last Journal You Worked On", ""}}) {
        expectWelcomeThen(QString::fromLatin1(button));
        if (*next)
            m_modals.then([next = QString::fromLatin1(next)](QWidget* dialog) {
                EXPECT_EQ(dialog->objectName(), next);
                qobject_cast<QDialog*>(dialog)->reject();
            });
        start();
        EXPECT_EQ(m_app->Document().IsJournalOpen(), !*next) << button;
        m_app.reset();
    }
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
