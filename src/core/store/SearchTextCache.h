#pragma once

#include "core/platform/COleDateTime.h"
#include "core/richtext/TextFinder.h"
#include "core/store/CppSQLite3Exception.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

class BlowfishEngine;
class SqlDatabase;

// What the journal search reads of each entry, kept for the session: the text and the comment
// as the hidden rich-edit control shows them, the id and the date. Only memory holds it.
//
// A temporary trigger (in the connection's temp database, never in the file) logs the rowid of
// every entry written through this connection, whoever writes it; writes by another connection
// are seen through the data version. Each Refresh re-reads just those rows.
class SearchTextCache {
public:
    // A searched field: its shown text, or the error reading it gave (raised only if a search
    // looks at that field, as reading it then would). Text whose characters are all below
    // U+0100, as most entries' are, is kept one byte a character: half the memory a search
    // reads through.
    class Field {
    public:
        void SetShown(const QString& text);
        // Where the finder finds its text, or -1.
        qsizetype Find(const richtext::TextFinder& finder) const;
        // Overwrites the text before letting it go.
        void Wipe();

        std::optional<CppSQLite3Exception> error;

    private:
        QByteArray m_latin1;
        QString m_wide;
        bool m_isLatin1 = true;
    };
    struct Row {
        std::string entryId;
        COleDateTime when;
        Field text;
        Field comment;
    };
    // By rowid: the order a scan of the Entry table returns.
    using Rows = std::map<std::int64_t, Row>;

    SearchTextCache() = default;
    SearchTextCache(const SearchTextCache&) = delete;
    SearchTextCache& operator=(const SearchTextCache&) = delete;
    ~SearchTextCache() { Clear(); }

    // Starts logging writes on a journal just opened or created. Without the log (the temp
    // database refused it) every Refresh reads everything again.
    void Attach(SqlDatabase& db);
    // Forgets every row, overwriting the texts first (the journal is closing).
    void Clear();

    // The rows, brought up to date with the file. Threads: workers share the deciphering of
    // a full read; SQLite is used from the calling thread only.
    const Rows& Refresh(SqlDatabase& db, const BlowfishEngine& engine, int threads);

private:
    void ReadAll(SqlDatabase& db, const BlowfishEngine& engine, int threads);
    void ReadChanged(SqlDatabase& db, const BlowfishEngine& engine);

    Rows m_rows;
    bool m_loaded = false;
    bool m_logging = false;
    std::int64_t m_dataVersion = 0;
};
