#pragma once

#include "core/protect/BlowfishEngine.h"
#include "core/session/JournalReader.h"
#include "core/store/SqlDatabase.h"

#include <string>

// A second connection to an open journal, opened for reading only, with its own copy of the
// keyed engine: long work on another thread reads through it while the session goes on with
// its own connection. Made by CQBKDoc::OpenBackgroundReader.
class BackgroundReader {
public:
    // Throws CppSQLite3Exception when the file cannot be opened.
    BackgroundReader(const std::string& path, const BlowfishEngine& keyed);
    BackgroundReader(const BackgroundReader&) = delete;
    BackgroundReader& operator=(const BackgroundReader&) = delete;

    const JournalReader& Reader() const { return m_reader; }

private:
    SqlDatabase m_db;
    BlowfishEngine m_keyed;
    JournalReader m_reader{m_db, m_keyed};
};
