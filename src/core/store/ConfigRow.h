#pragma once

#include "core/store/SqlQuery.h"

#include <string>

class SqlDatabase;
struct OptionsValues;

// The statements on the journal's settings row (Config).
class ConfigRow {
public:
    explicit ConfigRow(SqlDatabase& db) : m_db(db) {}

    // What the journal is called wherever it is named (caption, export heading, printed
    // pages): its title, or its file name while the title is empty. The title is stored as
    // typed, empty included.
    static std::string ShownTitle(const std::string& title, const std::string& fileName) {
        return title.empty() ? fileName : title;
    }

    // Every column of the row; no row at all in a file that is no journal.
    SqlQuery Read();
    bool Exists();
    // Rows of the table: a journal has exactly one.
    int RowCount();

    // Every option but the location, which is the file's path.
    void SetOptions(const OptionsValues& values);
    void SetPromptForComment(bool prompt);
    // The digest of the new password, or no password, with the content key enciphered anew.
    void SetPassword(const char* digest, const std::string& storedKey);
    void RemovePassword(const std::string& storedKey);

private:
    SqlDatabase& m_db;
};
