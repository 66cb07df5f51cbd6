#pragma once

#include <string>

class BlowfishEngine;
class SqlDatabase;

// A connection to a journal with the journal's keyed content engine: what code that reads
// entries needs, without the content key itself. A value; the connection and the engine
// belong to whoever made it (the session, or a BackgroundReader) and outlive it.
class JournalReader {
public:
    JournalReader(SqlDatabase& db, const BlowfishEngine& keyed) : m_db(&db), m_keyed(&keyed) {}

    SqlDatabase& Db() const { return *m_db; }
    const BlowfishEngine& Keyed() const { return *m_keyed; }
    // A stored text or comment column in plain form; empty for NULL or undecodable values.
    std::string Decipher(const char* column) const;

private:
    SqlDatabase* m_db;
    const BlowfishEngine* m_keyed;
};
