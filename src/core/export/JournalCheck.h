#pragma once

#include "core/protect/BlowfishEngine.h"

#include <QString>

#include <string>
#include <vector>

class JournalTable;
class SqlDatabase;

// Looks a journal over without changing it: the database's own integrity check, duplicate
// and missing ids, every stored value (time stamps, enciphered comments and texts, the RTF of
// each entry), topic links to missing topics, entries in missing folders, and
// folders whose parents are missing or form a cycle. Each problem is one line of text.
class JournalCheck {
public:
    // db must be open (read-only is enough) and stay open while the check lives. Throws
    // CppSQLite3Exception when the file is not a database or has no settings row.
    explicit JournalCheck(SqlDatabase& db);

    bool NeedsPassword() const { return m_hasPassword; }
    // Unlocks the content key with the password (ignored for an unprotected journal); false
    // when the password is wrong or the stored key does not decipher.
    bool Unlock(const std::string& password);

    // Every problem found; empty for a sound journal. Needs Unlock first.
    std::vector<std::string> Run();
    // What the last Run saw that is no problem, one line each: topic links whose entry was
    // deleted (deleting an entry leaves them, and nothing reads them).
    const std::vector<std::string>& Notes() const { return m_notes; }

private:
    void CheckIntegrity();
    void CheckSettings();
    void CheckDuplicateIds(JournalTable&& table, const char* what);
    void CheckEntries();
    void CheckLinks();
    void CheckFolders();
    void Report(const QString& line) { m_problems.push_back(line.toStdString()); }

    SqlDatabase& m_db;
    bool m_hasPassword = false;
    std::string m_digest;
    std::string m_storedKey;
    BlowfishEngine m_keyed;
    std::vector<std::string> m_problems;
    std::vector<std::string> m_notes;
};
