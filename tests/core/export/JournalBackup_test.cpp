// Backups are whole, consistent copies, even while another process is writing the journal.

#include "support/JournalDump.h"
#include "support/RawSqlite.h"
#include "support/TestJournal.h"

#include "core/export/AutoBackup.h"
#include "core/export/JournalBackup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>

#include <csignal>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A process that adds entries until killed, the title always their count in the same save.
pid_t startWriter(const std::string& path) {
    const pid_t pid = fork();
    while (pid == 0) {
        try {
            rawExec(path, "BEGIN IMMEDIATE; INSERT INTO Entry (EntryID, TimeStamp, FolderID, "
                          "EntryText) SELECT count(*), '2020-01-01 10:00', '{Root}', 'x' FROM "
                          "Entry; UPDATE Config SET Title = (SELECT count(*) FROM Entry); COMMIT;");
        } catch (const std::exception&) { // busy while a copy is read: the next one may pass
        }
        usleep(2000); // saves come one after another, not in one unbroken stream
    }
    return pid;
}

} // namespace

TEST(JournalBackupTest, CopyWhileAnotherProcessWritesIsConsistentAndFinalCopyIsIdentical) {
    TestJournal journal;
    rawExec(journal.path(), "UPDATE Config SET Title = '0';");
    QTemporaryDir dir;
    const pid_t writer = startWriter(journal.path());
    ASSERT_GT(writer, 0);
    int entriesSeen = 0;
    for (int i = 0; i < 8; ++i) {
        const std::string copy = dir.filePath(QStringLiteral("copy%1.qbk").arg(i)).toStdString();
        const BackupResult result = BackupJournal(journal.path(), copy);
        ASSERT_TRUE(result.ok) << result.message.toStdString();
        EXPECT_EQ(rawValue(copy, "PRAGMA integrity_check;"), "ok");
        const std::string count = rawValue(copy, "SELECT count(*) FROM Entry;");
        EXPECT_EQ(rawValue(copy, "SELECT Title FROM Config;"), count) << "copy " << i;
        entriesSeen = std::max(entriesSeen, std::stoi(count));
        usleep(20000);
    }
    kill(writer, SIGKILL);
    waitpid(writer, nullptr, 0);
    EXPECT_GT(entriesSeen, 0) << "the writer never got to write";

    // Killed half-way through a save, the writer may have left a journal to roll back.
    const std::string last = dir.filePath(QStringLiteral("last.qbk")).toStdString();
    const BackupResult result = BackupJournal(journal.path(), last);
    ASSERT_TRUE(result.ok) << result.message.toStdString();
    EXPECT_EQ(dumpJournal(last), dumpJournal(journal.path()));
}

TEST(JournalBackupTest, ReplacesWhenAskedAndLeavesNoTemporaryFile) {
    TestJournal journal;
    QTemporaryDir dir;
    const auto at = [&dir](const char* name) {
        return dir.filePath(QLatin1String(name)).toStdString();
    };
    const std::string target = at("copy.qbk");
    ASSERT_TRUE(std::ofstream(target) << "precious");

    // What may be replaced is the output rule's (CliOutput tries it for every writing command).
    EXPECT_TRUE(BackupJournal(journal.path(), target, true).ok);
    EXPECT_EQ(dumpJournal(target), dumpJournal(journal.path()));
    const QStringList onlyTheCopy{QStringLiteral("copy.qbk")};
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), onlyTheCopy);

    // Cancelled as the pages are told: nothing made.
    const BackupResult cancelled = BackupJournal(journal.path(), at("c.qbk"), false,
                                                 [](std::size_t, std::size_t) { return false; });
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_FALSE(cancelled.ok);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), onlyTheCopy);

    // From a missing file, into a missing folder: told, nothing made.
    EXPECT_FALSE(BackupJournal(at("none.qbk"), at("x.qbk")).ok);
    const BackupResult noFolder = BackupJournal(journal.path(), at("no/such/x.qbk"));
    EXPECT_FALSE(noFolder.ok);
    EXPECT_FALSE(noFolder.message.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), onlyTheCopy);
}

TEST(AutoBackupTest, KeepsTheNewestCopiesOfThisJournalOnly) {
    TestJournal journal;
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("backups"));
    AutoBackupSettings settings{true, folder, 2};
    const std::string source = journal.path();
    // Another journal's copy in the same folder is never touched.
    QDir().mkpath(folder);
    ASSERT_TRUE(QFile(QDir(folder).filePath(QStringLiteral("other 2020-01-01 000000.qbk")))
                    .open(QIODevice::WriteOnly));

    const QDateTime start(QDate(2026, 3, 1), QTime(9, 0, 0));
    for (int i = 0; i < 4; ++i) {
        const AutoBackupResult result = AutoBackup::Run(settings, source, start.addSecs(i * 60));
        ASSERT_TRUE(result.made) << result.message.toStdString();
    }
    // Twice in one second: the second copy gets a counter and counts as newer.
    ASSERT_TRUE(AutoBackup::Run(settings, source, start.addSecs(180)).made);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name),
              QStringList({QStringLiteral("other 2020-01-01 000000.qbk"),
                           QStringLiteral("test 2026-03-01 090300 (2).qbk"),
                           QStringLiteral("test 2026-03-01 090300.qbk")}));

    // Off: nothing. A folder that cannot be made: told, never thrown.
    settings.enabled = false;
    EXPECT_FALSE(AutoBackup::Run(settings, source).made);
    EXPECT_TRUE(AutoBackup::Run(settings, source).message.isEmpty());
    // A journal under a folder whose name is not UTF-8 is read from its own path.
    const std::string odd = QFile::encodeName(dir.path()).toStdString() + "/\xff\xfe";
    std::filesystem::create_directory(odd);
    std::filesystem::copy_file(source, odd + "/test.qbk");
    settings.enabled = true;
    const AutoBackupResult oddCopy = AutoBackup::Run(settings, odd + "/test.qbk");
    EXPECT_TRUE(oddCopy.made) << oddCopy.message.toStdString();
    settings = {true, QStringLiteral("/proc/no-such-folder"), 2};
    const AutoBackupResult failed = AutoBackup::Run(settings, source);
    EXPECT_FALSE(failed.made);
    EXPECT_FALSE(failed.message.isEmpty());
}
