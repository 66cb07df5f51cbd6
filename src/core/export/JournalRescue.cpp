#include "core/export/JournalRescue.h"

#include "core/export/SafeFile.h"

#include <QCoreApplication>
#include <QFile>

#include <sqlite3.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <optional>

namespace {

struct Closer {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Connection = std::unique_ptr<sqlite3, Closer>;

struct Finalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, Finalizer>;

constexpr sqlite3_int64 kFirstRow = std::numeric_limits<sqlite3_int64>::min();
constexpr sqlite3_int64 kLastRow = std::numeric_limits<sqlite3_int64>::max();

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(JournalRescue)
};

Statement prepare(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr);
    return Statement(statement);
}

std::string quotedName(const std::string& name) {
    std::string quoted = "\"";
    for (const char c : name)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string textColumn(sqlite3_stmt* statement, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return text ? text : "";
}

// Immutable: SQLite takes no lock, never rolls a journal back and never writes; pages past the
// end of a cut-short file read as damaged ones instead of failing the whole file.
Connection openSource(const std::string& path, QString& error) {
    const QByteArray uri = QByteArray("file:") +
                           QByteArray::fromStdString(path).toPercentEncoding("/") +
                           QByteArray("?immutable=1");
    sqlite3* db = nullptr;
    const int rc =
        sqlite3_open_v2(uri.constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    Connection connection(db);
    if (rc != SQLITE_OK) {
        error = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
        return nullptr;
    }
    sqlite3_exec(db, "PRAGMA writable_schema=ON", nullptr, nullptr, nullptr);
    return connection;
}

// One rescue: the source's schema, then each table's rows that can be read.
class RescueCopy {
public:
    RescueCopy(sqlite3* source, sqlite3* target, RescueResult& result)
        : m_source(source), m_target(target), m_result(result) {}

    // Empty when the copy is complete, else why it failed.
    QString run() {
        std::vector<std::pair<std::string, std::string>> tables; // name, CREATE statement
        {
            const Statement schema = prepare(
                m_source, "SELECT name, sql FROM sqlite_master WHERE type = 'table' AND sql "
                          "NOT NULL AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY rowid");
            int rc = schema ? SQLITE_ROW : SQLITE_ERROR;
            while (schema && (rc = sqlite3_step(schema.get())) == SQLITE_ROW)
                tables.emplace_back(textColumn(schema.get(), 0), textColumn(schema.get(), 1));
            if (rc != SQLITE_DONE || tables.empty())
                return Texts::tr("its list of tables cannot be read: %1")
                    .arg(QString::fromUtf8(sqlite3_errmsg(m_source)));
        }
        if (sqlite3_exec(m_target, "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK)
            return targetError();
        for (const auto& [name, create] : tables) {
            if (sqlite3_exec(m_target, create.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
                return targetError();
            m_result.tables.push_back({name});
            if (!copyTable(m_result.tables.back()))
                return targetError();
        }
        findMissingEntries();
        if (!mendLosses())
            return targetError();
        if (sqlite3_exec(m_target, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
            return targetError();
        return {};
    }

private:
    struct Probe {
        bool readable = false;
        std::optional<sqlite3_int64> rowid; // the first row from there on, if any
    };

    QString targetError() const { return QString::fromUtf8(sqlite3_errmsg(m_target)); }

    // False when the target could not be written.
    bool copyTable(RescuedTable& table) {
        const std::string name = quotedName(table.name);
        const Statement read =
            prepare(m_source, "SELECT rowid, * FROM " + name + " WHERE rowid >= ?1 ORDER BY rowid");
        m_probe = prepare(m_source, "SELECT rowid FROM " + name +
                                        " WHERE rowid >= ?1 ORDER BY rowid LIMIT 1");
        if (!read || !m_probe) {
            table.restUnreadable = true;
            return true;
        }
        const int columns = sqlite3_column_count(read.get());
        std::string insert = "INSERT INTO " + name + " (rowid";
        std::string values = "?1";
        for (int column = 1; column < columns; ++column) {
            insert += ", " + quotedName(sqlite3_column_name(read.get(), column));
            values += ", ?" + std::to_string(column + 1);
        }
        const Statement write = prepare(m_target, insert + ") VALUES (" + values + ")");
        if (!write)
            return false;

        sqlite3_int64 from = kFirstRow;
        for (;;) {
            sqlite3_reset(read.get());
            sqlite3_bind_int64(read.get(), 1, from);
            int rc = SQLITE_OK;
            sqlite3_int64 last = from;
            bool atEnd = false;
            while (!atEnd && (rc = sqlite3_step(read.get())) == SQLITE_ROW) {
                for (int column = 0; column < columns; ++column)
                    sqlite3_bind_value(write.get(), column + 1,
                                       sqlite3_column_value(read.get(), column));
                if (sqlite3_step(write.get()) != SQLITE_DONE)
                    return false;
                sqlite3_reset(write.get());
                ++table.saved;
                last = sqlite3_column_int64(read.get(), 0);
                atEnd = last == kLastRow;
                from = last + (atEnd ? 0 : 1);
            }
            if (atEnd || rc == SQLITE_DONE)
                return true;
            // Something on the way to the next row is damaged: the row itself, or a page.
            const Probe next = probe(from);
            if (next.readable && !next.rowid)
                return true;
            if (next.readable) {
                ++table.lost;
                if (table.name == "Entry")
                    nameLostEntry(*next.rowid);
                if (*next.rowid == kLastRow)
                    return true;
                from = *next.rowid + 1;
                continue;
            }
            const std::optional<sqlite3_int64> resume = firstReadable(from);
            if (!resume) {
                table.restUnreadable = true;
                return true;
            }
            table.skipped += std::max<sqlite3_int64>(*resume - std::max<sqlite3_int64>(from, 1), 0);
            from = *resume;
        }
    }

    Probe probe(sqlite3_int64 from) {
        sqlite3_reset(m_probe.get());
        sqlite3_bind_int64(m_probe.get(), 1, from);
        const int rc = sqlite3_step(m_probe.get());
        if (rc == SQLITE_ROW)
            return {true, sqlite3_column_int64(m_probe.get(), 0)};
        return {rc == SQLITE_DONE, std::nullopt};
    }

    // The first row number from which the table reads again past a damaged page: looks further
    // and further ahead, then closes in on where reading starts. nullopt when nothing past it
    // can be read.
    std::optional<sqlite3_int64> firstReadable(sqlite3_int64 from) {
        // Row numbers below 1 are never given out: the search goes on from 0 at the latest.
        const sqlite3_int64 start = std::max<sqlite3_int64>(from, 0);
        if (start > from && probe(start).readable)
            return start;
        sqlite3_int64 bad = start;
        sqlite3_int64 good = 0;
        for (sqlite3_uint64 step = 1;; step *= 2) {
            if (step == 0 || step > sqlite3_uint64(kLastRow - start))
                return std::nullopt;
            const sqlite3_int64 ahead = sqlite3_int64(sqlite3_uint64(start) + step);
            if (probe(ahead).readable) {
                good = ahead;
                break;
            }
            bad = ahead;
        }
        while (sqlite3_uint64(good) - sqlite3_uint64(bad) > 1) {
            const sqlite3_int64 middle = sqlite3_int64(
                sqlite3_uint64(bad) + (sqlite3_uint64(good) - sqlite3_uint64(bad)) / 2);
            (probe(middle).readable ? good : bad) = middle;
        }
        return good;
    }

    void nameLostEntry(sqlite3_int64 rowid) {
        const Statement id = prepare(m_source, "SELECT EntryID FROM Entry WHERE rowid = ?1");
        if (!id)
            return;
        sqlite3_bind_int64(id.get(), 1, rowid);
        if (sqlite3_step(id.get()) == SQLITE_ROW && sqlite3_column_type(id.get(), 0) != SQLITE_NULL)
            m_result.lostEntries.push_back(textColumn(id.get(), 0));
    }

    // Only when entries were lost: otherwise such links are what deleting an entry leaves.
    void findMissingEntries() {
        bool entriesLost = false;
        for (const RescuedTable& table : m_result.tables)
            entriesLost = entriesLost || (table.name == "Entry" && table.lostAny());
        if (!entriesLost)
            return;
        const Statement missing = prepare(
            m_target, "SELECT DISTINCT EntryID FROM Entry2Topic WHERE EntryID NOT IN (SELECT "
                      "EntryID FROM Entry WHERE EntryID NOT NULL) AND EntryID <> '{new_entry}' "
                      "ORDER BY EntryID");
        while (missing && sqlite3_step(missing.get()) == SQLITE_ROW)
            m_result.linkedEntriesMissing.push_back(textColumn(missing.get(), 0));
    }

    bool lost(const char* name) const {
        for (const RescuedTable& table : m_result.tables)
            if (table.name == name && table.lostAny())
                return true;
        return false;
    }

    // Runs a mending statement; the rows it changed are added to count. False when it failed.
    bool mend(const char* sql, int& count) {
        if (sqlite3_exec(m_target, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
            return false;
        count += sqlite3_changes(m_target);
        return true;
    }

    // Only what the lost rows leave pointing at nothing; a sound table's rows are kept as read.
    bool mendLosses() {
        if (lost("Topic") &&
            !mend("DELETE FROM Entry2Topic WHERE TopicID IS NULL OR TopicID NOT IN (SELECT "
                  "TopicID FROM Topic WHERE TopicID NOT NULL)",
                  m_result.linksDropped))
            return false;
        if (!lost("Folder"))
            return true;
        return mend("UPDATE Folder SET ParentID = '{Root}' WHERE ParentID <> '{Root}' AND "
                    "ParentID NOT IN (SELECT FolderID FROM Folder WHERE FolderID NOT NULL)",
                    m_result.refiled) &&
               mend("UPDATE Entry SET FolderID = '{Root}' WHERE FolderID <> '{Root}' AND "
                    "FolderID NOT IN (SELECT FolderID FROM Folder WHERE FolderID NOT NULL)",
                    m_result.refiled);
    }

    sqlite3* m_source;
    sqlite3* m_target;
    RescueResult& m_result;
    Statement m_probe;
};

} // namespace

bool RescueResult::lostAny() const {
    for (const RescuedTable& table : tables)
        if (table.lostAny())
            return true;
    return false;
}

RescueResult RescueJournal(const std::string& source, const std::string& target, bool overwrite) {
    RescueResult result;
    const QString sourceName = QFile::decodeName(source.c_str());
    const OutputRule rule({sourceName}, overwrite);
    SafeFile copy(QFile::decodeName(target.c_str()), rule);
    QString error;
    const Connection from = openSource(source, error);
    if (!from) {
        result.message = Texts::tr("%1 cannot be read: %2").arg(sourceName, error);
        return result;
    }
    if (!copy.open()) {
        result.message = copy.message();
        return result;
    }
    {
        sqlite3* db = nullptr;
        const int rc = sqlite3_open_v2(QFile::encodeName(copy.temporaryPath()).constData(), &db,
                                       SQLITE_OPEN_READWRITE, nullptr);
        const Connection to(db);
        error = rc == SQLITE_OK ? RescueCopy(from.get(), db, result).run()
                                : QString::fromUtf8(sqlite3_errstr(rc));
    }
    if (!error.isEmpty()) {
        result.message = Texts::tr("%1 cannot be rescued: %2").arg(sourceName, error);
        return result;
    }
    for (const RescuedTable& table : result.tables)
        result.settingsSaved = result.settingsSaved || (table.name == "Config" && table.saved > 0);
    if (!copy.commit()) {
        result.message = copy.message();
        return result;
    }
    result.ok = true;
    return result;
}
