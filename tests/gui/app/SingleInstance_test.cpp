// One program per user and display: a second start hands its journal to the running program
// (run here as the real quillbook, offscreen) and ends with status 0.
#include "core/platform/CommandIds.h"
#include "core/platform/InstanceHandoff.h"
#include "core/session/CQBKDoc.h"
#include "core/store/JournalMessages.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/SingleInstance.h"
#include "support/AppTest.h"
#include "support/TestJournal.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QSettings>
#include <QTest>

#include <unistd.h>

#include <functional>

namespace {

constexpr char kDisplay[] = ":57";

// Real programs start slowly on a busy machine; a condition that holds ends the wait at once.
bool waitUntil(const std::function<bool()>& condition) {
    return QTest::qWaitFor(condition, 30000);
}

QString journalPath(const TestJournal& journal) {
    return QFile::decodeName(journal.path().c_str());
}

class SingleInstanceTest : public AppTest {
protected:
    QString serverName() const {
        return InstanceHandoff::serverName(m_runtime.path(), QDir::tempPath(), getuid(),
                                           QString::fromLatin1(kDisplay));
    }
    // A quillbook of this user and display, with settings of its own and no Welcome dialog.
    void prepare(QProcess& process, const QStringList& arguments,
                 const QString& workingDir = QDir::tempPath()) {
        QSettings settings(m_config.path() + QStringLiteral("/Orrinvale/Quillbook.conf"),
                           QSettings::IniFormat);
        settings.setValue(QStringLiteral("Settings/Show Welcome Dialog"), 0);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
        env.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(kDisplay));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(workingDir);
        process.setProgram(QStringLiteral(QUILLBOOK_EXECUTABLE));
        process.setArguments(QStringList{QStringLiteral("--nosplash")} + arguments);
    }
    // A second quillbook run while this program keeps serving: its exit status, -1 if it hung.
    int secondStart(const QStringList& arguments, const QString& workingDir = QDir::tempPath()) {
        QProcess process; // killed on the way out if it has not ended
        prepare(process, arguments, workingDir);
        process.start();
        if (!waitUntil([&] { return process.state() == QProcess::NotRunning; }))
            return -1;
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    bool opened(const TestJournal& journal) const {
        return m_app->Document().IsJournalOpen() && m_app->Document().Path() == journal.path();
    }

    QTemporaryDir m_runtime;
    QTemporaryDir m_config;
};

TEST_F(SingleInstanceTest, ASecondStartRaisesTheRunningProgramAndHandsItsJournalOver) {
    TestJournal first;
    TestJournal second;
    start(quietStart(journalPath(first)));
    ASSERT_TRUE(opened(first));
    std::vector<HandoffRequest> requests;
    SingleInstance instance(serverName()); // this test program as the running quillbook
    ASSERT_EQ(instance.start(HandoffRequest::raise()), SingleInstance::Outcome::Serving);
    instance.setHandler([&](const HandoffRequest& request, bool firstOffer) {
        requests.push_back(request);
        return m_app->TakeHandoff(request, firstOffer);
    });
    frame().showMinimized();
    // Without a journal the running program is only brought forward.
    EXPECT_EQ(secondStart({}), 0);
    EXPECT_TRUE(waitUntil([&] { return !frame().isMinimized(); }));
    EXPECT_TRUE(opened(first));
    frame().showMinimized();

    // The usual question before the open journal is closed; "No" keeps it.
    m_modals.then([](QWidget* box) {
        EXPECT_EQ(messageText(box), QString::fromLatin1(JournalMessages::kQueryClose));
        clickButton(box, QStringLiteral("No"));
    });
    EXPECT_EQ(secondStart({journalPath(second)}), 0);
    ASSERT_TRUE(waitUntil([&] { return m_modals.handled() == 1; }));
    settle();
    EXPECT_TRUE(opened(first));
    EXPECT_FALSE(frame().isMinimized()); // brought forward all the same

    m_modals.then([](QWidget* box) { clickButton(box, QStringLiteral("Yes")); });
    // Named relative to the second program's working folder.
    const QFileInfo secondFile(journalPath(second));
    EXPECT_EQ(secondStart({QStringLiteral("./") + secondFile.fileName() + QStringLiteral("  ")},
                          secondFile.absolutePath()),
              0);
    EXPECT_TRUE(waitUntil([&] { return opened(second); }));
    EXPECT_EQ(m_modals.handled(), 2u);
    EXPECT_EQ(m_app->Recent().path(0), second.path());
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0], HandoffRequest::raise());
    EXPECT_EQ(requests[2], HandoffRequest::open(second.path()));

    // Handed over while a dialog is open, the journal opens once the dialog is closed; of two
    // handed over meanwhile, the last one, after one question.
    TestJournal third;
    std::vector<int> statuses;
    m_modals.then([&](QWidget* about) {
        statuses.push_back(secondStart({journalPath(third)}));
        statuses.push_back(secondStart({journalPath(first)}));
        settle();
        EXPECT_TRUE(opened(second)); // not under the user's dialog
        static_cast<QDialog*>(about)->reject();
    });
    m_modals.then([](QWidget* box) { clickButton(box, QStringLiteral("Yes")); });
    m_app->Router().dispatch(ID_APP_ABOUT);
    EXPECT_EQ(statuses, (std::vector<int>{0, 0}));
    EXPECT_TRUE(waitUntil([&] { return opened(first); }));
    settle();
    EXPECT_EQ(m_modals.handled(), 4u); // About and one question

    // The Welcome dialog asks what to open: a journal handed over answers it.
    m_modals.then([&](QWidget*) { statuses.push_back(secondStart({journalPath(third)})); });
    m_modals.then([](QWidget* box) { clickButton(box, QStringLiteral("Yes")); });
    m_app->Router().dispatch(ID_HELP_WELCOME_DIALOG);
    EXPECT_TRUE(waitUntil([&] { return opened(third); }));
    EXPECT_EQ(m_modals.handled(), 6u);
}

// Both programs real: the first is killed without a chance to remove its socket, and the
// next start replaces the socket it left.
TEST_F(SingleInstanceTest, TwoRealProgramsAndACrash) {
    TestJournal journal;
    const QString settingsFile = m_config.path() + QStringLiteral("/Orrinvale/Quillbook.conf");
    const auto recentInFirst = [&] {
        return QSettings(settingsFile, QSettings::IniFormat)
            .value(QStringLiteral("Recent File List/File1"))
            .toString();
    };
    for (int round = 0; round < 2; ++round) {
        QFile::remove(settingsFile);
        QProcess first;
        prepare(first, {});
        first.start();
        ASSERT_TRUE(first.waitForStarted());
        // Serving means answering: in the second round the killed program's socket file is
        // still there, and a second start before the new program listens would serve itself.
        ASSERT_TRUE(waitUntil([&] {
            QLocalSocket probe;
            probe.connectToServer(serverName());
            return probe.waitForConnected(100) &&
                   !QFileInfo::exists(serverName() + QStringLiteral(".lock"));
        }));
        EXPECT_EQ(secondStart({journalPath(journal)}), 0) << round;
        EXPECT_TRUE(waitUntil([&] { return recentInFirst() == journalPath(journal); })) << round;
        EXPECT_EQ(first.state(), QProcess::Running) << round;
        first.kill();
        first.waitForFinished();
        EXPECT_TRUE(QFileInfo::exists(serverName())) << round; // left behind
    }
}

} // namespace
