#pragma once

#include "core/store/SqlQuery.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

struct sqlite3;

// One connection to a journal file. Every failure is raised as CppSQLite3Exception.
class SqlDatabase {
public:
    static constexpr int kDefaultBusyTimeoutMs = 60000;
    static constexpr int kBusyDeclineHoldsMs = 1000;

    SqlDatabase();
    SqlDatabase(const SqlDatabase&) = delete;
    SqlDatabase& operator=(const SqlDatabase&) = delete;
    ~SqlDatabase();

    // readOnly opens the file for reading only; SQLite also falls back to that by itself when
    // it may not write the file (isReadOnly() then tells).
    void open(const std::string& path, bool readOnly = false);
    bool isReadOnly() const;
    bool isOpen() const;
    void close();

    void setBusyTimeout(int milliseconds);
    // Asked when another connection has held the file for the whole busy timeout: true waits
    // another timeout, false lets the statement fail as busy, and the statements that follow
    // within kBusyDeclineHoldsMs too, unasked (the step they belong to is given up).
    using BusyPrompt = std::function<bool()>;
    void setBusyPrompt(BusyPrompt prompt);
    // Long statements on this open connection stop (as interrupted) once *cancel is set, for
    // work another thread may call off; nullptr lets them run.
    void stopWhen(const std::atomic<bool>* cancel);

    // Runs statements that return no rows; returns the rows changed by the last one.
    int execute(const char* sql);
    int execute(const std::string& sql);

    // Prepares the first statement of sql and steps it once.
    SqlQuery query(const char* sql);
    SqlQuery query(const std::string& sql);
    // Whether the statement yields a row; the statement is finished either way.
    bool hasRow(const std::string& sql);

    // PRAGMA data_version: changes when another connection has committed to the file.
    std::int64_t dataVersion();
    // PRAGMA integrity_check: one row "ok" for a sound file, else a row per problem found.
    SqlQuery integrityCheck();
    // Rows this connection has inserted, changed or deleted since it opened, triggers' included:
    // with dataVersion, tells whether anything was written since.
    std::int64_t totalChanges() const;

    // The file this connection opened, as SQLite names it (absolute).
    std::string fileName() const;
    // The extended result code of the last failure (SQLITE_READONLY_DBMOVED, say), which the
    // exceptions leave out.
    int extendedErrorCode() const;
    // Copies the whole database, as this connection reads it, into a new file at path with
    // SQLite's online backup; the copy is on disk when this returns.
    void copyTo(const std::string& path);

private:
    void checkOpen() const;
    void applyBusyWait();
    static int onBusy(void* self, int attempt);

    sqlite3* m_db = nullptr;
    int m_busyTimeoutMs = kDefaultBusyTimeoutMs;
    BusyPrompt m_busyPrompt;
    std::int64_t m_busySinceMs = 0; // when the current wait began, on a steady clock
    std::int64_t m_busyDeclinedMs = -kBusyDeclineHoldsMs; // when the prompt was last declined
};
