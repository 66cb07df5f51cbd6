#include "store/SearchTextCache.h"

#include "richtext/PlainText.h"
#include "store/CHiddenRichEdit.h"
#include "store/SqlBuffer.h"
#include "store/SqlDatabase.h"
#include "store/SqlQuery.h"
#include "store/StoredText.h"
#include "store/TimeStamp.h"
#include <QLatin1StringView>

#include <algorithm>
#include <condition_variable>
#include <cstdlib>
#include <deque>
#include <mutex>
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
// Whether the row's search mark is anything but the integer 0, and whether it is the integer 1.
constexpr const char* kMarkColumns = "NOT (typeof(SearchTarget) = 'integer' AND SearchTarget = 0), "
                                     "typeof(SearchTarget) = 'integer' AND SearchTarget = 1";
// Whether the id can be handed on as a quoted text (EntryIdSnapshot).
constexpr const char* kIdColumn = "typeof(EntryID) = 'text' AND instr(EntryID, char(0)) = 0";

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

// The stored bytes are deciphered in their own buffer, which goes with the shown text made.
SearchTextCache::Field shownField(int format, std::string&& stored, const BlowfishEngine& engine) {
    SearchTextCache::Field field;
    try {
        field.SetShown(
            CHiddenRichEdit::ShownText(format, DecipherFromStorage(std::move(stored), engine)));
    } catch (const CppSQLite3Exception& e) {
        field.error = e;
    }
    return field;
}

SearchTextCache::Row shownRow(StoredRow&& stored, const BlowfishEngine& engine) {
    SearchTextCache::Row row;
    row.entryId = std::move(stored.entryId);
    row.when = stored.when;
    row.text = shownField(CHiddenRichEdit::SF_RTF, std::move(stored.text), engine);
    row.comment = shownField(CHiddenRichEdit::SF_TEXT, std::move(stored.comment), engine);
    return row;
}

// Rows handed from the SQLite thread to the workers in batches, as they are read.
class RowPipeline {
public:
    static constexpr std::size_t kBatchRows = 64;
    struct Batch {
        std::vector<StoredRow> stored;
        std::vector<SearchTextCache::Row> shown;
    };

    explicit RowPipeline(const BlowfishEngine& engine) : m_engine(engine) {}

    void push(std::vector<StoredRow> rows) {
        {
            const std::lock_guard lock(m_mutex);
            m_batches.push_back(Batch{std::move(rows), {}});
        }
        m_ready.notify_one();
    }
    // No more batches: workers leave once the last is taken.
    void finish() {
        {
            const std::lock_guard lock(m_mutex);
            m_finished = true;
        }
        m_ready.notify_all();
    }
    void work() {
        while (Batch* batch = take()) {
            batch->shown.reserve(batch->stored.size());
            // Only the rowid is needed from here on: the stored bytes go with the row.
            for (StoredRow& row : batch->stored)
                batch->shown.push_back(shownRow(std::move(row), m_engine));
        }
    }
    // In reading order, once every worker has left.
    std::deque<Batch>& batches() { return m_batches; }

private:
    Batch* take() {
        std::unique_lock lock(m_mutex);
        m_ready.wait(lock, [this] { return m_next < m_batches.size() || m_finished; });
        // A deque keeps its elements in place as it grows.
        return m_next < m_batches.size() ? &m_batches[m_next++] : nullptr;
    }

    const BlowfishEngine& m_engine;
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::deque<Batch> m_batches;
    std::size_t m_next = 0;
    bool m_finished = false;
};

} // namespace

void SearchTextCache::Field::SetShown(const QString& text) {
    m_isLatin1 =
        std::all_of(text.cbegin(), text.cend(), [](QChar ch) { return ch.unicode() < 0x100; });
    if (m_isLatin1)
        m_latin1 = text.toLatin1();
    else
        m_wide = text;
}

qsizetype SearchTextCache::Field::Find(const richtext::TextFinder& finder) const {
    return m_isLatin1 ? finder.find(QLatin1StringView(m_latin1)) : finder.find(QStringView(m_wide));
}

void SearchTextCache::Field::Wipe() {
    m_latin1.fill('\0');
    m_latin1 = QByteArray();
    m_wide.fill(QChar(u'\0'));
    m_wide = QString();
}

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
        row.text.Wipe();
        row.comment.Wipe();
    }
    m_rows.clear();
    m_loaded = false;
    m_marks.reset();
    m_idsToHand = false;
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
    MarkSnapshot marks{m_dataVersion, {}};
    bool idsToHand = true;

    // Deciphering and reading the RTF dominate: workers take batches while this thread is
    // still reading, then this thread joins them.
    RowPipeline pipeline(engine);
    std::vector<std::thread> pool;
    for (int w = 1; w < std::clamp(threads, 1, 8); ++w)
        pool.emplace_back([&pipeline] { pipeline.work(); });
    try {
        SqlBuffer sql;
        SqlQuery query = db.query(
            sql.format("SELECT %s, %s, %s FROM main.Entry", kColumns, kMarkColumns, kIdColumn));
        std::vector<StoredRow> batch;
        for (; !query.eof(); query.nextRow()) {
            batch.push_back(readStored(query));
            idsToHand = idsToHand && query.textField(7) == "1";
            if (query.textField(5) == "1")
                marks.marked.emplace_back(batch.back().rowid, query.textField(6) == "1");
            if (batch.size() == RowPipeline::kBatchRows)
                pipeline.push(std::exchange(batch, {}));
        }
        query.finalize();
        pipeline.push(std::move(batch));
    } catch (...) {
        pipeline.finish();
        for (std::thread& thread : pool)
            thread.join();
        throw;
    }
    pipeline.finish();
    pipeline.work();
    for (std::thread& thread : pool)
        thread.join();

    for (RowPipeline::Batch& batch : pipeline.batches()) {
        for (std::size_t i = 0; i < batch.stored.size(); ++i)
            m_rows.emplace_hint(m_rows.end(), batch.stored[i].rowid, std::move(batch.shown[i]));
    }
    m_loaded = true;
    m_marks = std::move(marks);
    m_idsToHand = idsToHand;
    m_changesAfterRead = db.totalChanges();
}

std::optional<EntryIdSnapshot> SearchTextCache::TakeEntryIds() {
    if (!std::exchange(m_idsToHand, false))
        return std::nullopt;
    EntryIdSnapshot ids{m_dataVersion, m_changesAfterRead, {}};
    ids.rows.reserve(m_rows.size());
    for (const auto& [rowid, row] : m_rows)
        ids.rows.emplace_back(row.entryId, rowid);
    return ids;
}

void SearchTextCache::ReadChanged(SqlDatabase& db, const BlowfishEngine& engine) {
    m_idsToHand = false;
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
