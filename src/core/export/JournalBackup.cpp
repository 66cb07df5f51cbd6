#include "core/export/JournalBackup.h"

#include "core/export/SafeFile.h"

#include <QFile>

#include <sqlite3.h>

#include <QCoreApplication>
#include <cstring>
#include <memory>
#include <sys/stat.h>

namespace {

struct Closer {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Connection = std::unique_ptr<sqlite3, Closer>;

Connection openConnection(const std::string& path, int flags, QString& error) {
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    Connection connection(db);
    if (rc != SQLITE_OK) {
        error = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
        return nullptr;
    }
    sqlite3_busy_timeout(db, 10000);
    return connection;
}

// With someone to tell, the copy goes a part at a time; without, in one step.
constexpr int kPagesAStep = 256;

// A read transaction on the source for the whole copy: no writer can slip in between steps
// and make the copy start over.
bool holdReadLock(sqlite3* from) {
    if (sqlite3_exec(from, "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK)
        return false;
    if (sqlite3_exec(from, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) ==
        SQLITE_OK)
        return true;
    sqlite3_exec(from, "ROLLBACK", nullptr, nullptr, nullptr);
    return false;
}

QString copyPages(sqlite3* from, sqlite3* to, const BackupProgress& progress, bool& cancelled) {
    while (!holdReadLock(from)) {
        if (progress && !progress(0, 0)) {
            cancelled = true;
            return QCoreApplication::translate("JournalBackup", "cancelled");
        }
        sqlite3_sleep(20);
    }
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    if (!backup) {
        sqlite3_exec(from, "ROLLBACK", nullptr, nullptr, nullptr);
        return QString::fromUtf8(sqlite3_errmsg(to));
    }
    int rc = SQLITE_OK;
    do {
        rc = sqlite3_backup_step(backup, progress ? kPagesAStep : -1);
        const auto pages = static_cast<std::size_t>(sqlite3_backup_pagecount(backup));
        const auto left = static_cast<std::size_t>(sqlite3_backup_remaining(backup));
        if ((rc == SQLITE_OK || rc == SQLITE_DONE) && progress && !progress(pages - left, pages))
            cancelled = true;
        if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
            sqlite3_sleep(20);
    } while (!cancelled && (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED));
    sqlite3_backup_finish(backup);
    sqlite3_exec(from, "ROLLBACK", nullptr, nullptr, nullptr);
    if (cancelled)
        return QCoreApplication::translate("JournalBackup", "cancelled");
    if (rc == SQLITE_DONE)
        return {};
    // SQLite's words for a failed write ("disk I/O error") hide the cause; the system's show it.
    const int cause = sqlite3_system_errno(to);
    return QString::fromUtf8(sqlite3_errstr(rc)) +
           (cause != 0 ? QStringLiteral(" (%1)").arg(QString::fromLocal8Bit(std::strerror(cause)))
                       : QString());
}

QString quickCheck(sqlite3* db) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA quick_check;", -1, &statement, nullptr) != SQLITE_OK)
        return QString::fromUtf8(sqlite3_errmsg(db));
    QString answer;
    if (sqlite3_step(statement) == SQLITE_ROW)
        answer =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    sqlite3_finalize(statement);
    return answer == u"ok"
               ? QString()
               : QCoreApplication::translate("JournalBackup", "the copy does not check: %1")
                     .arg(answer);
}

} // namespace

BackupResult BackupJournal(const std::string& source, const std::string& target, bool overwrite,
                           const BackupProgress& progress) {
    BackupResult result;
    // Paths are the file system's bytes; the QString forms are for messages and the rule.
    const QString sourceName = QFile::decodeName(source.c_str());
    const QString targetName = QFile::decodeName(target.c_str());
    struct stat sourceInfo {};
    if (::stat(source.c_str(), &sourceInfo) != 0) {
        result.message =
            QCoreApplication::translate("JournalBackup", "%1 does not exist").arg(sourceName);
        return result;
    }
    const OutputRule rule({sourceName}, overwrite);
    SafeFile copy(targetName, rule);
    if (!copy.open()) {
        result.message = copy.message();
        return result;
    }
    const std::string temporaryPath = QFile::encodeName(copy.temporaryPath()).toStdString();
    QString error;
    {
        // Read-write when the file allows it, though nothing is written: a journal left by a
        // program that stopped half-way through a save has to be rolled back before it can
        // be read, and only a writing connection may do that.
        Connection from = openConnection(source, SQLITE_OPEN_READWRITE, error);
        if (!from)
            from = openConnection(source, SQLITE_OPEN_READONLY, error);
        const Connection to =
            from ? openConnection(temporaryPath, SQLITE_OPEN_READWRITE, error) : nullptr;
        if (to)
            error = copyPages(from.get(), to.get(), progress, result.cancelled);
        if (to && error.isEmpty())
            error = quickCheck(to.get());
    }
    if (!error.isEmpty()) {
        result.message =
            QCoreApplication::translate("JournalBackup", "cannot back up: %1").arg(error);
        return result;
    }
    // The copy is complete: give it its name, which asks the rule once more (a file that
    // appeared meanwhile is kept without overwrite).
    if (!copy.commit()) {
        result.message = copy.message();
        return result;
    }
    // The copy gets the journal's own permissions.
    ::chmod(target.c_str(), sourceInfo.st_mode & 07777);
    result.ok = true;
    return result;
}
