#include "core/store/SqlDatabase.h"

#include "core/store/CppSQLite3Exception.h"

#include <sqlite3.h>

#include <chrono>
#include <cstdlib>

namespace {

std::int64_t steadyMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

SqlDatabase::SqlDatabase() = default;

SqlDatabase::~SqlDatabase() {
    close();
}

void SqlDatabase::open(const std::string& path, bool readOnly) {
    close(); // opening again must not leak the connection already held
    sqlite3* db = nullptr;
    const int flags = readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    const int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        // SQLite hands out a handle even on failure; it has to be closed after the message
        // is taken from it.
        CppSQLite3Exception error(rc, sqlite3_errmsg(db));
        sqlite3_close(db);
        throw error;
    }
    m_db = db;
    applyBusyWait();
}

bool SqlDatabase::isOpen() const {
    return m_db != nullptr;
}

bool SqlDatabase::isReadOnly() const {
    return m_db != nullptr && sqlite3_db_readonly(m_db, "main") == 1;
}

void SqlDatabase::close() {
    if (!m_db)
        return;
    // close_v2: a cursor still alive keeps the connection until it is finalized instead of
    // making the close fail and the handle leak.
    sqlite3_close_v2(m_db);
    m_db = nullptr;
}

void SqlDatabase::setBusyTimeout(int milliseconds) {
    m_busyTimeoutMs = milliseconds;
    applyBusyWait();
}

void SqlDatabase::setBusyPrompt(BusyPrompt prompt) {
    m_busyPrompt = std::move(prompt);
    applyBusyWait();
}

void SqlDatabase::stopWhen(const std::atomic<bool>* cancel) {
    checkOpen();
    // Looked at every thousand steps of the virtual machine: often enough to stop at once.
    sqlite3_progress_handler(
        m_db, cancel ? 1000 : 0,
        [](void* flag) { return static_cast<const std::atomic<bool>*>(flag)->load() ? 1 : 0; },
        const_cast<std::atomic<bool>*>(cancel));
}

void SqlDatabase::applyBusyWait() {
    if (!m_db)
        return;
    if (m_busyPrompt)
        sqlite3_busy_handler(m_db, &SqlDatabase::onBusy, this);
    else
        sqlite3_busy_timeout(m_db, m_busyTimeoutMs);
}

int SqlDatabase::onBusy(void* self, int attempt) {
    auto& db = *static_cast<SqlDatabase*>(self);
    const std::int64_t now = steadyMs();
    if (now - db.m_busyDeclinedMs < kBusyDeclineHoldsMs)
        return 0;
    if (attempt == 0)
        db.m_busySinceMs = now;
    if (now - db.m_busySinceMs >= db.m_busyTimeoutMs) {
        if (!db.m_busyPrompt()) {
            db.m_busyDeclinedMs = steadyMs();
            return 0;
        }
        db.m_busySinceMs = steadyMs(); // the user chose to wait again: a whole timeout more
    }
    // Short steps: a lock let go is taken up at once, and a step costs little.
    sqlite3_sleep(10);
    return 1;
}

void SqlDatabase::checkOpen() const {
    if (!m_db)
        throw CppSQLite3Exception(CppSQLite3Exception::kLayerError, "Database not open");
}

int SqlDatabase::execute(const char* sql) {
    checkOpen();
    char* errorText = nullptr;
    const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, &errorText);
    // A file moved or deleted under the connection reads as plain "read-only" otherwise.
    const int extended = sqlite3_extended_errcode(m_db);
    if (rc != SQLITE_OK)
        throw CppSQLite3Exception::adoptingSqliteText(
            extended == SQLITE_READONLY_DBMOVED ? extended : rc, errorText);
    return sqlite3_changes(m_db);
}

int SqlDatabase::execute(const std::string& sql) {
    return execute(sql.c_str());
}

bool SqlDatabase::hasRow(const std::string& sql) {
    SqlQuery cursor = query(sql);
    const bool found = !cursor.eof();
    cursor.finalize();
    return found;
}

SqlQuery SqlDatabase::query(const char* sql) {
    checkOpen();
    sqlite3_stmt* statement = nullptr;
    const int prepareRc = sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr);
    if (prepareRc != SQLITE_OK)
        throw CppSQLite3Exception(prepareRc, sqlite3_errmsg(m_db));
    if (!statement) // text with no statement in it (blank or only a comment): no rows
        return SqlQuery();

    SqlQuery cursor(m_db, statement, false);
    cursor.nextRow(); // finalizes and raises on anything but a row or done
    return cursor;
}

SqlQuery SqlDatabase::query(const std::string& sql) {
    return query(sql.c_str());
}

std::int64_t SqlDatabase::totalChanges() const {
    checkOpen();
    return sqlite3_total_changes64(m_db);
}

std::int64_t SqlDatabase::dataVersion() {
    SqlQuery version = query("PRAGMA data_version");
    return version.eof() ? 0 : std::strtoll(version.textField(0).c_str(), nullptr, 10);
}

SqlQuery SqlDatabase::integrityCheck() {
    return query("PRAGMA integrity_check;");
}

std::string SqlDatabase::fileName() const {
    checkOpen();
    const char* name = sqlite3_db_filename(m_db, "main");
    return name ? name : "";
}

int SqlDatabase::extendedErrorCode() const {
    return m_db ? sqlite3_extended_errcode(m_db) : SQLITE_OK;
}

void SqlDatabase::copyTo(const std::string& path) {
    checkOpen();
    SqlDatabase target;
    target.open(path);
    sqlite3_backup* backup = sqlite3_backup_init(target.m_db, "main", m_db, "main");
    if (!backup)
        throw CppSQLite3Exception(sqlite3_errcode(target.m_db), sqlite3_errmsg(target.m_db));
    int rc = SQLITE_OK;
    do { // one step: one read lock, so no writer makes the copy start over
        rc = sqlite3_backup_step(backup, -1);
        if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
            sqlite3_sleep(20);
    } while (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED);
    sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE)
        throw CppSQLite3Exception(rc, sqlite3_errmsg(target.m_db));
}
