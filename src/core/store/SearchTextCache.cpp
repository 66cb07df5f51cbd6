#include "store/SearchTextCache.h"

#include "richtext/PlainText.h"
#include "store/CHiddenRichEdit.h"
#include "store/SqlBuffer.h"
#include "store/SqlDatabase.h"
#include "store/SqlQuery.h"
#include "store/StoredText.h"
#include "store/TimeStamp.h"

#include <algorithm>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

// Temporary objects: they live in the connection's temp database and die with it.
constexpr const char* kAttachStatements[] = {
    "CREATE TEMP TABLE IF NOT EXISTS quillbook_changed_entries (rid INTEGER)",
    "CREATE TEMP TRIGGER IF NOT EXISTS quillbook_entry_inserted AFTER INSERT ON main.Entry "
    "BEGIN INSERT INTO quillbook_changed_entries VALUES (new.rowid); END",
    "CREATE TEMP TRIGGER IF NOT EXISTS quillbook_entry_deleted AFTER DELETE ON main.Entry "
    "BEGIN INSERT INTO quillbook_changed_entries VALUES (old.rowid); END",
    // Search marks and other columns do not change what a search reads.
    "CREATE TEMP TRIGGER IF NOT EXISTS quillbook_entry_updated AFTER UPDATE OF rowid, EntryID, "
    "TimeStamp, Comment, EntryText ON main.Entry BEGIN INSERT INTO quillbook_changed_entries "
    "VALUES (old.rowid); INSERT INTO quillbook_changed_entries VALUES (new.rowid); END",
};

constexpr const char* kColumns = "rowid, EntryID, TimeStamp, Comment, EntryText";

// One Entry row as stored, read on the SQLite thread.
struct StoredRow {
    std::int64_t rowid = 0;
    std::string entryId;
    COleDateTime when;
    std::string comment;
    std::string text;
};

StoredRow readStored(const SqlQuery& query) {
    StoredRow row;
    row.rowid = std::strtoll(query.textField(0).c_str(), nullptr, 10);
    row.entryId = query.textField(1);
    row.when = ParseTimeStamp(query.fieldValue(2));
    // NULL and the empty text decipher alike, to nothing.
    row.comment = query.textField(3);
    row.text = query.textField(4);
    return row;
}

SearchTextCache::Field shownField(int format, const std::string& stored,
                                  const BlowfishEngine& engine) {
    SearchTextCache::Field field;
    try {
        field.shown =
            CHiddenRichEdit::ShownText(format, DecipherFromStorage(stored.c_str(), engine));
    } catch (const CppSQLite3Exception& e) {
        field.error = e;
    }
    return field;
}

SearchTextCache::Row shownRow(const StoredRow& stored, const BlowfishEngine& engine) {
    SearchTextCache::Row row;
    row.entryId = stored.entryId;
    row.when = stored.when;
    row.text = shownField(CHiddenRichEdit::SF_RTF, stored.text, engine);
    row.comment = shownField(CHiddenRichEdit::SF_TEXT, stored.comment, engine);
    return row;
}

void wipe(QString& text) {
    text.fill(QChar(u'\0'));
    text = QString();
}

} // namespace

void SearchTextCache::Attach(SqlDatabase& db) {
    Clear();
    try {
        for (const char* statement : kAttachStatements)
            db.execute(statement);
        m_logging = true;
    } catch (const CppSQLite3Exception&) {
        m_logging = false; // every search then reads every row, which is slower, not wrong
    }
}

void SearchTextCache::Clear() {
    for (auto& [rowid, row] : m_rows) {
        wipe(row.text.shown);
        wipe(row.comment.shown);
    }
    m_rows.clear();
    m_loaded = false;
}

const SearchTextCache::Rows& SearchTextCache::Refresh(SqlDatabase& db, const BlowfishEngine& engine,
                                                      int threads) {
    try {
        // Another connection's commit may have changed any row.
        if (!m_loaded || !m_logging || db.dataVersion() != m_dataVersion)
            ReadAll(db, engine, threads);
        else
            ReadChanged(db, engine);
    } catch (...) {
        Clear();
        throw;
    }
    return m_rows;
}

void SearchTextCache::ReadAll(SqlDatabase& db, const BlowfishEngine& engine, int threads) {
    Clear();
    if (m_logging)
        db.execute("DELETE FROM temp.quillbook_changed_entries");
    m_dataVersion = db.dataVersion();

    std::vector<StoredRow> stored;
    SqlBuffer sql;
    SqlQuery query = db.query(sql.format("SELECT %s FROM main.Entry", kColumns));
    for (; !query.eof(); query.nextRow())
        stored.push_back(readStored(query));
    query.finalize();

    // Deciphering and reading the RTF dominate; each worker takes every n-th row.
    std::vector<Row> shown(stored.size());
    const auto work = [&](std::size_t first, std::size_t step) {
        for (std::size_t i = first; i < stored.size(); i += step)
            shown[i] = shownRow(stored[i], engine);
    };
    const auto workers = static_cast<std::size_t>(std::clamp(threads, 1, 8));
    std::vector<std::thread> pool;
    for (std::size_t w = 1; w < workers; ++w)
        pool.emplace_back(work, w, workers);
    work(0, workers);
    for (std::thread& thread : pool)
        thread.join();

    for (std::size_t i = 0; i < stored.size(); ++i)
        m_rows.emplace_hint(m_rows.end(), stored[i].rowid, std::move(shown[i]));
    m_loaded = true;
}

void SearchTextCache::ReadChanged(SqlDatabase& db, const BlowfishEngine& engine) {
    std::vector<std::int64_t> changed;
    SqlQuery log = db.query("SELECT DISTINCT rid FROM temp.quillbook_changed_entries");
    for (; !log.eof(); log.nextRow())
        changed.push_back(std::strtoll(log.textField(0).c_str(), nullptr, 10));
    log.finalize();

    SqlBuffer sql;
    for (const std::int64_t rowid : changed) {
        SqlQuery query = db.query(sql.format("SELECT %s FROM main.Entry WHERE rowid = %lld",
                                             kColumns, static_cast<long long>(rowid)));
        if (query.eof())
            m_rows.erase(rowid);
        else
            m_rows.insert_or_assign(rowid, shownRow(readStored(query), engine));
        query.finalize();
    }
    db.execute("DELETE FROM temp.quillbook_changed_entries");
}
