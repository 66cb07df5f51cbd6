#include "core/store/SearchTextCache.h"

#include "core/protect/Secrets.h"
#include "core/richtext/PlainText.h"
#include "core/store/CHiddenRichEdit.h"
#include "core/store/SqlBuffer.h"
#include "core/store/SqlDatabase.h"
#include "core/store/SqlQuery.h"
#include "core/store/StoredText.h"
#include "core/store/TimeStamp.h"
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

// One Entry row as stored, read on the SQLite thread. Its enciphered comment and text are
// in its batch's buffer, each ended by a zero byte: one buffer for many rows, handed back and
// filled again, spares an allocation a column that another thread would then have to free.
struct StoredRow {
    std::int64_t rowid = 0;
    std::string entryId;
    COleDateTime when;
    std::size_t comment = 0; // where in the buffer
    std::size_t text = 0;
};

struct StoredRows {
    std::string bytes;
    std::vector<StoredRow> rows;

    void add(const SqlQuery& query) {
        StoredRow& row = rows.emplace_back();
        row.rowid = std::strtoll(query.textField(0).c_str(), nullptr, 10);
        row.entryId = query.textField(1);
        row.when = ParseTimeStamp(query.fieldValue(2));
        // NULL and the empty text decipher alike, to nothing.
        row.comment = append(query.fieldValue(3));
        row.text = append(query.fieldValue(4));
    }

private:
    std::size_t append(const char* column) {
        const std::size_t at = bytes.size();
        if (column != nullptr)
            bytes.append(column);
        bytes.push_back('\0');
        return at;
    }
};

SearchTextCache::Field shownField(int format, char* stored, const BlowfishEngine& engine) {
    SearchTextCache::Field field;
    try {
        field.SetShown(CHiddenRichEdit::ShownText(format, DecipherInPlace(stored, engine)));
    } catch (const CppSQLite3Exception& e) {
        field.error = e;
    }
    return field;
}

// Deciphers the row's columns in the buffer, which they then no longer hold.
SearchTextCache::Row shownRow(StoredRow& stored, std::string& bytes, const BlowfishEngine& engine) {
    SearchTextCache::Row row;
    row.entryId = std::move(stored.entryId);
    row.when = stored.when;
    row.text = shownField(CHiddenRichEdit::SF_RTF, bytes.data() + stored.text, engine);
    row.comment = shownField(CHiddenRichEdit::SF_TEXT, bytes.data() + stored.comment, engine);
    return row;
}

// Rows handed from the SQLite thread to the workers in batches, as they are read.
class RowPipeline {
public:
    // A batch ends at so many rows, or sooner at so many stored bytes: a journal of huge
    // entries then holds no more text waiting than one of ordinary ones.
    static constexpr std::size_t kBatchRows = 64;
    static constexpr std::size_t kBatchBytes = std::size_t(1) << 20;
    static bool full(const StoredRows& rows) {
        return rows.rows.size() == kBatchRows || rows.bytes.size() >= kBatchBytes;
    }
    struct Batch {
        StoredRows stored;
        std::vector<SearchTextCache::Row> shown;
    };

    explicit RowPipeline(const BlowfishEngine& engine) : m_engine(engine) {}

    // An empty batch to fill, in a buffer a worker has handed back where there is one.
    StoredRows fresh() {
        StoredRows rows;
        {
            const std::lock_guard lock(m_mutex);
            if (!m_spare.empty()) {
                rows.bytes = std::move(m_spare.back());
                m_spare.pop_back();
            }
        }
        rows.bytes.clear();
        rows.rows.reserve(kBatchRows);
        return rows;
    }
    void push(StoredRows rows) {
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
        while (Batch* batch = take(true))
            decipher(*batch);
    }
    // The reading thread deciphers batches too while the workers lag behind, so that the
    // stored bytes waiting for them stay few however fast the file reads.
    void catchUp() {
        while (Batch* batch = take(false))
            decipher(*batch);
    }
    // In reading order, once every worker has left.
    std::deque<Batch>& batches() { return m_batches; }

private:
    static constexpr std::size_t kMostWaiting = 8;

    // The next batch: waiting for one, or without waiting only while too many are waiting.
    Batch* take(bool wait) {
        std::unique_lock lock(m_mutex);
        if (wait)
            m_ready.wait(lock, [this] { return m_next < m_batches.size() || m_finished; });
        else if (m_batches.size() - m_next <= kMostWaiting)
            return nullptr;
        // A deque keeps its elements in place as it grows.
        return m_next < m_batches.size() ? &m_batches[m_next++] : nullptr;
    }
    void decipher(Batch& batch) {
        std::string& bytes = batch.stored.bytes;
        batch.shown.reserve(batch.stored.rows.size());
        for (StoredRow& row : batch.stored.rows)
            batch.shown.push_back(shownRow(row, bytes, m_engine));
        // What the buffer holds now is plain text: overwritten before it is filled again.
        WipeSecret(bytes);
        const std::lock_guard lock(m_mutex);
        m_spare.push_back(std::move(bytes));
    }

    const BlowfishEngine& m_engine;
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::deque<Batch> m_batches;
    std::vector<std::string> m_spare;
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
}

const SearchTextCache::Rows& SearchTextCache::Refresh(SqlDatabase& db, const BlowfishEngine& engine,
                                                      int threads, const IdsRead& idsRead) {
    try {
        // Another connection's commit may have changed any row.
        if (!m_loaded || !m_logging || db.dataVersion() != m_dataVersion)
            ReadAll(db, engine, threads, idsRead);
        else
            ReadChanged(db, engine);
    } catch (...) {
        Clear();
        throw;
    }
    return m_rows;
}

void SearchTextCache::ReadAll(SqlDatabase& db, const BlowfishEngine& engine, int threads,
                              const IdsRead& idsRead) {
    Clear();
    if (m_logging)
        db.execute("DELETE FROM temp.quillbook_changed_entries");
    m_dataVersion = db.dataVersion();
    MarkSnapshot marks{m_dataVersion, {}};
    bool idsToHand = static_cast<bool>(idsRead);
    EntryIdSnapshot ids{m_dataVersion, 0, {}};

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
        StoredRows batch = pipeline.fresh();
        for (; !query.eof(); query.nextRow()) {
            batch.add(query);
            const StoredRow& row = batch.rows.back();
            idsToHand = idsToHand && query.textField(7) == "1";
            if (idsToHand)
                ids.rows.push_back({row.entryId, row.rowid, query.textField(2).substr(0, 10)});
            if (query.textField(5) == "1")
                marks.marked.emplace_back(row.rowid, query.textField(6) == "1");
            if (RowPipeline::full(batch)) {
                pipeline.push(std::exchange(batch, pipeline.fresh()));
                pipeline.catchUp();
            }
        }
        query.finalize();
        pipeline.push(std::move(batch));
        pipeline.finish();
        if (idsToHand) {
            ids.changes = db.totalChanges();
            idsRead(std::move(ids));
        }
    } catch (...) {
        pipeline.finish();
        for (std::thread& thread : pool)
            thread.join();
        throw;
    }
    pipeline.work();
    for (std::thread& thread : pool)
        thread.join();

    for (RowPipeline::Batch& batch : pipeline.batches()) {
        for (std::size_t i = 0; i < batch.shown.size(); ++i)
            m_rows.emplace_hint(m_rows.end(), batch.stored.rows[i].rowid,
                                std::move(batch.shown[i]));
    }
    m_loaded = true;
    m_marks = std::move(marks);
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
        if (query.eof()) {
            m_rows.erase(rowid);
        } else {
            StoredRows one;
            one.add(query);
            m_rows.insert_or_assign(rowid, shownRow(one.rows.front(), one.bytes, engine));
            WipeSecret(one.bytes);
        }
        query.finalize();
    }
    db.execute("DELETE FROM temp.quillbook_changed_entries");
}
