// The journal of many years (10,000 entries of about 2 KB RTF, 30 folders, 50 topics, 20,000
// topic links): search, listing, opening and the entry writes, side by side with what the
// machine allows (a plain SQLite scan, OpenSSL's Blowfish and MD5) in the same run.
#define OPENSSL_SUPPRESS_DEPRECATED
#include "bench/support/BenchSession.h"
#include "bench/support/EntryTextMaker.h"
#include "bench/support/GoalSummary.h"
#include "bench/support/JournalGenerator.h"
#include "bench/support/PeakMemoryProbe.h"
#include "bench/support/ResidentMemory.h"

#include "core/browser/EntryRows.h"
#include "core/platform/TextEncoding.h"
#include "core/protect/BlowfishEngine.h"
#include "core/protect/Md5.h"
#include "core/session/CQBKDoc.h"
#include "core/store/SqlBinary.h"

#include <openssl/blowfish.h>
#include <openssl/md5.h>
#include <sqlite3.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <stdexcept>
#include <vector>

namespace {

const JournalShape kShape;

using Session = BenchSession;

// The root's listing as the entry list reads and shows it: every row, sorted by date.
std::vector<EntryRow> listRoot(CQBKDoc& doc) {
    EntryFilter filter;
    std::vector<EntryRow> rows = LoadShownEntryRows(doc, filter);
    std::stable_sort(rows.begin(), rows.end(), [](const EntryRow& a, const EntryRow& b) {
        return CompareEntryRows(a, b, 0, true) < 0;
    });
    return rows;
}

std::vector<std::string> topicIds(CQBKDoc& doc) {
    std::vector<std::string> ids;
    for (SqlQuery q = doc.Reader().Db().query("SELECT TopicID FROM Topic"); !q.eof(); q.nextRow())
        ids.push_back(q.textField(0));
    return ids;
}

std::vector<std::string> entryIds(CQBKDoc& doc) {
    std::vector<std::string> ids;
    for (SqlQuery q = doc.Reader().Db().query("SELECT EntryID FROM Entry"); !q.eof(); q.nextRow())
        ids.push_back(q.textField(0));
    return ids;
}

// What people look for: phrases that a few dozen entries hold, with case, whole words, a date
// range, topics and an accented letter. (Single words of this journal's small vocabulary are
// in nearly every entry; such a search rewrites every row's mark, which the file format asks.)
std::vector<SearchCriteria> searchMix(CQBKDoc& doc) {
    std::vector<SearchCriteria> mix(6);
    mix[0].findText = "zephyr garden";
    mix[1].findText = "Garden zephyr";
    mix[1].matchCase = true;
    mix[2].findText = "Anna wrote";
    mix[2].wholeWord = true;
    mix[3].findText = "river garden";
    mix[3].dateRange = 1;
    mix[3].startDate = COleDateTime(2000, 1, 1, 0, 0, 0);
    mix[3].endDate = COleDateTime(2004, 12, 31, 23, 59, 59);
    const std::vector<std::string> topics = topicIds(doc);
    mix[4].findText = "light zephyr";
    mix[4].topicIds = {topics.at(0), topics.at(1)};
    mix[5].findText = textToStored(QStringLiteral("CAF\u00c9 GARDEN"));
    mix[5].lookInComments = false;
    return mix;
}

// Phrases of three words, which some dozens of entries hold each: a search changes the marks
// of about a hundred rows, as looking for something particular does.
std::vector<SearchCriteria> fewHitsMix() {
    const char* const phrases[] = {"quiet river friends", "bread school tired",
                                   "Anna wrote letter",   "train went evening",
                                   "dinner books work",   "little friends morning"};
    std::vector<SearchCriteria> mix;
    for (const char* phrase : phrases) {
        SearchCriteria criteria;
        criteria.findText = phrase;
        mix.push_back(criteria);
    }
    return mix;
}

std::vector<SearchCriteria> mixFor(CQBKDoc& doc, std::int64_t fewHits) {
    return fewHits ? fewHitsMix() : searchMix(doc);
}

std::vector<std::int64_t> markedRowids(CQBKDoc& doc) {
    std::vector<std::int64_t> rowids;
    for (SqlQuery q = doc.Reader().Db().query("SELECT rowid FROM Entry WHERE SearchTarget = 1");
         !q.eof(); q.nextRow())
        rowids.push_back(std::strtoll(q.textField(0).c_str(), nullptr, 10));
    return rowids;
}

// --- the journal's operations ----------------------------------------------------------------

// Searches write their marks, so they run on a copy; one search beforehand leaves the marks
// as a journal in use has them.
void BM_SearchFirst(benchmark::State& state) {
    Session session(JournalGenerator::WorkingCopy(kShape, "search-first"));
    const SearchCriteria criteria = searchMix(session.doc).front();
    session.doc.Search(criteria);
    for (auto _ : state) {
        state.PauseTiming();
        session.close();
        session.open();
        state.ResumeTiming();
        session.doc.Search(criteria);
    }
}
BENCHMARK(BM_SearchFirst)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(5);

// Six searches, five times, over the broad mix (0) and the phrases few entries hold (1).
void overBothMixes(benchmark::internal::Benchmark* b) {
    b->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(6)->Repetitions(5);
}

// Each search of the mix after the one before it; argument 1 takes the phrases that few
// entries hold. The hits printed are those of the last search.
void BM_SearchAgain(benchmark::State& state) {
    Session session(JournalGenerator::WorkingCopy(kShape, "search-again"));
    const std::vector<SearchCriteria> mix = mixFor(session.doc, state.range(0));
    session.doc.Search(mix.back());
    std::size_t next = 0;
    for (auto _ : state)
        session.doc.Search(mix[next++ % mix.size()]);
    state.counters["hits"] = static_cast<double>(markedRowids(session.doc).size());
}
BENCHMARK(BM_SearchAgain)->Apply(overBothMixes);

void BM_ListRoot(benchmark::State& state) {
    Session session(JournalGenerator::Cached(kShape));
    for (auto _ : state)
        benchmark::DoNotOptimize(listRoot(session.doc));
}
BENCHMARK(BM_ListRoot)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(5);

void BM_OpenToListedRoot(benchmark::State& state) {
    Session session(JournalGenerator::Cached(kShape));
    for (auto _ : state) {
        state.PauseTiming();
        session.close();
        state.ResumeTiming();
        session.open();
        benchmark::DoNotOptimize(listRoot(session.doc));
    }
}
BENCHMARK(BM_OpenToListedRoot)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(5);

// The entry writes run on a copy, each iteration on another entry.
class WriteBench {
public:
    explicit WriteBench(const char* name)
        : m_session(JournalGenerator::WorkingCopy(kShape, name)), ids(entryIds(m_session.doc)) {}
    CQBKDoc& doc() { return m_session.doc; }
    const std::string& id(std::int64_t n) const {
        return ids[static_cast<std::size_t>(n) % ids.size()];
    }

private:
    Session m_session;

public:
    std::vector<std::string> ids;
};

void BM_SaveEntry(benchmark::State& state) {
    WriteBench bench("save");
    EntryTextMaker maker(7);
    const std::string texts[2] = {maker.rtf(kShape.entryBytes), maker.rtf(kShape.entryBytes)};
    std::int64_t n = 0;
    for (auto _ : state) {
        std::string id = bench.id(n * 37);
        bench.doc().SaveEntry(texts[n++ % 2], id);
    }
}
BENCHMARK(BM_SaveEntry)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(20)
    ->Repetitions(5);

void BM_DeleteEntry(benchmark::State& state) {
    WriteBench bench("delete");
    std::int64_t n = 0;
    for (auto _ : state)
        bench.doc().DeleteEntry(bench.id(n++ * 37));
}
BENCHMARK(BM_DeleteEntry)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(20)
    ->Repetitions(5);

void BM_MoveEntry(benchmark::State& state) {
    WriteBench bench("move");
    std::int64_t n = 0;
    for (auto _ : state) {
        bench.doc().MoveEntry(bench.id(n * 37), n % 2 ? "{Root}" : "{Elsewhere}");
        ++n;
    }
}
BENCHMARK(BM_MoveEntry)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(20)
    ->Repetitions(5);

// Move to Folder on a thousand selected entries, then the root listed again as the list does
// once afterwards; each iteration takes the next thousand to the other of two folders.
void BM_MoveThousandThenList(benchmark::State& state) {
    WriteBench bench("bulk-move");
    std::vector<std::string> folders;
    for (SqlQuery q = bench.doc().Reader().Db().query("SELECT FolderID FROM Folder LIMIT 2");
         !q.eof(); q.nextRow())
        folders.push_back(q.textField(0));
    if (folders.size() < 2)
        throw std::runtime_error("the journal needs two folders");
    std::int64_t n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::string> selected;
        for (std::int64_t i = 0; i < 1000; ++i)
            selected.push_back(bench.id(n * 1000 + i));
        state.ResumeTiming();
        if (!bench.doc().MoveEntries(selected, folders[static_cast<std::size_t>(n % 2)]))
            throw std::runtime_error("the move failed");
        benchmark::DoNotOptimize(listRoot(bench.doc()));
        ++n;
    }
}
BENCHMARK(BM_MoveThousandThenList)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(5);

void BM_RedateEntry(benchmark::State& state) {
    WriteBench bench("redate");
    std::int64_t n = 0;
    for (auto _ : state) {
        bench.doc().SetEntryTimeStamp(COleDateTime(2001, 1, 1 + static_cast<int>(n % 28), 9, 0, 0),
                                      bench.id(n * 37));
        ++n;
    }
}
BENCHMARK(BM_RedateEntry)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(20)
    ->Repetitions(5);

// --- the machine's limits --------------------------------------------------------------------

// Every row and column of the Entry table with plain SQLite, as fast as it reads.
void scanWithSqlite(benchmark::State& state, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(JournalGenerator::Cached(kShape).c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    std::int64_t bytes = 0;
    for (auto _ : state) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
        const int columns = sqlite3_column_count(stmt);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            for (int c = 0; c < columns; ++c) {
                benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
                bytes += sqlite3_column_bytes(stmt, c);
            }
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    state.SetBytesProcessed(bytes);
}

void BM_Limit_SqliteScanEntry(benchmark::State& state) {
    scanWithSqlite(state, "SELECT * FROM Entry");
}
BENCHMARK(BM_Limit_SqliteScanEntry)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);

// What one statement on EntryID costs at least when the table has no index.
void BM_Limit_SqliteScanEntryIds(benchmark::State& state) {
    scanWithSqlite(state, "SELECT EntryID FROM Entry");
}
BENCHMARK(BM_Limit_SqliteScanEntryIds)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5);

// One autocommit update of one row found by rowid: what the disk's sync costs a write.
void BM_Limit_SqliteCommitOneRow(benchmark::State& state) {
    const std::string path = JournalGenerator::WorkingCopy(kShape, "commit");
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    std::int64_t n = 0;
    for (auto _ : state) {
        // A real change: SQLite writes nothing for an update that leaves the row as it was.
        const std::string sql = "UPDATE Entry SET TimeStamp = '200" + std::to_string(n % 10) +
                                "-01-01 09:00' WHERE rowid = " + std::to_string(1 + n);
        ++n;
        sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    }
    sqlite3_close(db);
}
BENCHMARK(BM_Limit_SqliteCommitOneRow)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(20)
    ->Repetitions(5);

// What the file asks of searching again at least: the same searches' marks rewritten with
// plain SQLite, only the rows whose mark changes, in one transaction each. The hits come from
// running the searches once beforehand.
void BM_Limit_SqliteMarkWrites(benchmark::State& state) {
    const std::string path = JournalGenerator::WorkingCopy(kShape, "mark-writes");
    std::vector<std::set<std::int64_t>> hits;
    {
        Session session(path);
        const std::vector<SearchCriteria> mix = mixFor(session.doc, state.range(0));
        for (const SearchCriteria& criteria : mix) {
            session.doc.Search(criteria);
            const std::vector<std::int64_t> rowids = markedRowids(session.doc);
            hits.emplace_back(rowids.begin(), rowids.end());
        }
    }
    const auto list = [](const std::set<std::int64_t>& from, const std::set<std::int64_t>& not_) {
        std::string text;
        for (const std::int64_t rowid : from)
            if (!not_.contains(rowid))
                text += (text.empty() ? "" : ",") + std::to_string(rowid);
        return text;
    };
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    std::size_t next = 0; // the file holds the last search's marks
    for (auto _ : state) {
        const std::set<std::int64_t>& before = hits[(next + hits.size() - 1) % hits.size()];
        const std::set<std::int64_t>& after = hits[next++ % hits.size()];
        const std::string sql = "BEGIN; UPDATE Entry SET SearchTarget = 0 WHERE rowid IN (" +
                                list(before, after) +
                                "); UPDATE Entry SET SearchTarget = 1 WHERE rowid IN (" +
                                list(after, before) + "); COMMIT;";
        sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    }
    sqlite3_close(db);
}
BENCHMARK(BM_Limit_SqliteMarkWrites)->Apply(overBothMixes);

const std::string kContentKey = "{8E3B9C2A-1D4F-4A6B-9C8D-0123456789AB}";
constexpr std::size_t kCipherBytes = 64 * 1024;

void BM_Blowfish_Ours(benchmark::State& state) {
    BlowfishEngine engine;
    engine.SetKey(kContentKey);
    std::vector<unsigned char> buffer(kCipherBytes + 8, 0x5a);
    for (auto _ : state) {
        engine.DecipherBuffer(buffer.data(), static_cast<int>(kCipherBytes));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kCipherBytes));
}
BENCHMARK(BM_Blowfish_Ours)->Repetitions(5);

void BM_Limit_Blowfish_OpenSsl(benchmark::State& state) {
    BF_KEY key;
    BF_set_key(&key, static_cast<int>(kContentKey.size()),
               reinterpret_cast<const unsigned char*>(kContentKey.data()));
    std::vector<unsigned char> buffer(kCipherBytes, 0x5a);
    for (auto _ : state) {
        for (std::size_t i = 0; i < kCipherBytes; i += 8)
            BF_ecb_encrypt(&buffer[i], &buffer[i], &key, BF_DECRYPT);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kCipherBytes));
}
BENCHMARK(BM_Limit_Blowfish_OpenSsl)->Repetitions(5);

constexpr std::size_t kDigestBytes = 1 << 20;

void BM_Md5_Ours(benchmark::State& state) {
    const std::string data(kDigestBytes, 'q');
    for (auto _ : state)
        benchmark::DoNotOptimize(Md5::of(data));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kDigestBytes));
}
BENCHMARK(BM_Md5_Ours)->Repetitions(5);

void BM_Limit_Md5_OpenSsl(benchmark::State& state) {
    const std::string data(kDigestBytes, 'q');
    unsigned char digest[16];
    for (auto _ : state) {
        MD5(reinterpret_cast<const unsigned char*>(data.data()), data.size(), digest);
        benchmark::DoNotOptimize(digest);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kDigestBytes));
}
BENCHMARK(BM_Limit_Md5_OpenSsl)->Repetitions(5);

// Bytes of ciphertext in the journal's texts and comments: what a first search must decipher.
double journalCipherBytes() {
    Session session(JournalGenerator::Cached(kShape));
    double bytes = 0;
    for (SqlQuery q = session.doc.Reader().Db().query("SELECT EntryText, Comment FROM Entry");
         !q.eof(); q.nextRow())
        for (int c = 0; c < 2; ++c)
            if (const char* column = q.fieldValue(c)) {
                SqlBinary binary;
                binary.setEncoded(column);
                bytes += binary.rawLength();
            }
    return bytes;
}

// --- the table -------------------------------------------------------------------------------

void printRow(const char* figure, std::optional<double> value, double goal,
              std::optional<double> limit, const char* unit) {
    if (!value) {
        std::printf("%-34s %10s\n", figure, "not run");
        return;
    }
    std::printf("%-34s %10.2f %-4s %8.2f %6.2fx", figure, *value, unit, goal, *value / goal);
    if (limit && *limit > 0)
        std::printf(" %10.2f %6.2fx", *limit, *value / *limit);
    std::printf("\n");
}

std::optional<double> sum(std::optional<double> a, std::optional<double> b) {
    if (!a || !b)
        return std::nullopt;
    return *a + *b;
}

void printSummary(const GoalSummary& s, double cipherBytes) {
    const auto scan = s.millis("BM_Limit_SqliteScanEntry");
    const auto idScan = s.millis("BM_Limit_SqliteScanEntryIds");
    const auto commit = s.millis("BM_Limit_SqliteCommitOneRow");
    const auto sslRate = s.bytesPerSecond("BM_Limit_Blowfish_OpenSsl");
    std::optional<double> decipherAll;
    if (sslRate)
        decipherAll = cipherBytes / *sslRate * 1e3;

    std::printf("\nMedians against the goals and the machine's limits of this run\n");
    std::printf("%-34s %15s %8s %7s %10s %7s\n", "figure", "median", "goal", "/goal", "limit",
                "/limit");
    printRow("search, first after opening", s.millis("BM_SearchFirst"), 150, sum(scan, decipherAll),
             "ms");
    printRow("search again", s.millis("BM_SearchAgain/0"), 15,
             s.millis("BM_Limit_SqliteMarkWrites/0"), "ms");
    printRow("search again, phrases few hold", s.millis("BM_SearchAgain/1"), 15,
             s.millis("BM_Limit_SqliteMarkWrites/1"), "ms");
    printRow("listing the root", s.millis("BM_ListRoot"), 100, scan, "ms");
    printRow("opening to the listed root", s.millis("BM_OpenToListedRoot"), 300, scan, "ms");
    printRow("saving an entry", s.millis("BM_SaveEntry"), 15, commit, "ms");
    printRow("deleting an entry", s.millis("BM_DeleteEntry"), 15, commit, "ms");
    printRow("moving an entry", s.millis("BM_MoveEntry"), 15, commit, "ms");
    printRow("re-dating an entry", s.millis("BM_RedateEntry"), 15, commit, "ms");
    printRow("moving 1,000 entries, then listing", s.millis("BM_MoveThousandThenList"), 300,
             sum(scan, commit), "ms");

    const auto bf = s.bytesPerSecond("BM_Blowfish_Ours");
    const auto md5 = s.bytesPerSecond("BM_Md5_Ours");
    const auto sslMd5 = s.bytesPerSecond("BM_Limit_Md5_OpenSsl");
    // Speeds: the ratio is OpenSSL's speed over ours (goal: at most 1.25).
    if (bf && sslRate)
        std::printf("%-34s %10.1f MB/s, OpenSSL %.1f MB/s, ratio %.2f (goal <= 1.25)\n",
                    "Blowfish decipher", *bf / 1e6, *sslRate / 1e6, *sslRate / *bf);
    if (md5 && sslMd5)
        std::printf("%-34s %10.1f MB/s, OpenSSL %.1f MB/s, ratio %.2f (goal <= 1.25)\n", "MD5",
                    *md5 / 1e6, *sslMd5 / 1e6, *sslMd5 / *md5);
    if (scan)
        std::printf("limits: SQLite scan of Entry %.2f ms, of EntryID %.2f ms; one-row commit "
                    "%.2f ms; deciphering %.1f MB at OpenSSL's speed %.2f ms\n",
                    *scan, idScan.value_or(0), commit.value_or(0), cipherBytes / 1e6,
                    decipherAll.value_or(0));
    std::printf("limit of the first search: the Entry scan plus deciphering at OpenSSL's speed; "
                "of searching again: plain SQLite rewriting the marks that change, in one "
                "transaction; of writes: a one-row commit\n");
}

// Run in a process of its own: the journal open with its root listed, searched twice.
void measurePeakMemory() {
    const double before = peakResidentMb();
    Session session(JournalGenerator::WorkingCopy(kShape, "memory"));
    const std::vector<EntryRow> rows = listRoot(session.doc);
    const std::vector<SearchCriteria> mix = searchMix(session.doc);
    session.doc.Search(mix[0]);
    session.doc.Search(mix[1]);
    std::printf("peak memory with the journal open, listed and searched: %.1f MB (goal < 100 MB; "
                "%.1f MB before opening; %zu rows listed)\n",
                peakResidentMb(), before, rows.size());
}

} // namespace

int main(int argc, char** argv) {
    if (PeakMemoryProbe::RunIfProbe(argc, argv, measurePeakMemory))
        return 0;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // Made (or found in the cache) before any timing starts.
    JournalGenerator::Cached(kShape);
    const double cipherBytes = journalCipherBytes();
    GoalSummary summary;
    benchmark::RunSpecifiedBenchmarks(&summary);
    printSummary(summary, cipherBytes);
    PeakMemoryProbe::RunProbe(argv[0]);
    benchmark::Shutdown();
    return 0;
}
