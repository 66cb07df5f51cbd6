#pragma once

#include "core/protect/BlowfishEngine.h"
#include "core/session/JournalReader.h"
#include "core/store/SqlDatabase.h"

#include <string>

// A connection of its own to the open journal, with a copy of its keyed engine, so that an
// import writes on another thread while the window goes on with the session's connection.
class ImportConnection {
public:
    // Throws CppSQLite3Exception when the file cannot be opened.
    ImportConnection(const std::string& path, const BlowfishEngine& keyed);
    ImportConnection(const ImportConnection&) = delete;
    ImportConnection& operator=(const ImportConnection&) = delete;

    JournalReader Target() { return JournalReader(m_db, m_keyed); }

private:
    SqlDatabase m_db;
    BlowfishEngine m_keyed;
};
