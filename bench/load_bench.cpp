// A journal of 100,000 entries: opening it to the listed root, the first search after
// opening, searching again, the journal check, and the memory of a process that does the
// first three. Wall-clock and
// CPU (user + system) medians are printed against their goals; the peak resident memory is
// measured in a fresh process.
//
// The journal is the 10,000-entry journal of journal_bench copied ten times over
// (JournalGenerator::Copied).
#include "bench/support/BenchSession.h"
#include "bench/support/GoalSummary.h"
#include "bench/support/JournalGenerator.h"
#include "bench/support/PeakMemoryProbe.h"
#include "bench/support/ResidentMemory.h"

#include "core/browser/EntryListSort.h"
#include "core/browser/EntryRows.h"
#include "core/browser/TopicItems.h"
#include "core/export/JournalCheck.h"
#include "core/session/CQBKDoc.h"
#include "core/store/SqlBuffer.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

const JournalShape kBaseShape;
constexpr int kCopies = 10;

// The 100,000-entry journal, made once from the base journal and kept in the cache folder.
std::string loadJournal() {
    return JournalGenerator::Copied(kBaseShape, kCopies);
}

using Session = BenchSession;

// The root's listing as the entry list's worker reads it at first: every entry, sorted by
// date (the window's thread then only takes the rows).
std::size_t listRoot(CQBKDoc& doc) {
    std::vector<EntryRow> rows = LoadEntryRows(doc.Reader(), EntryFilter{});
    SortRows(rows, EntryListSortState{});
    return rows.size();
}

// Someone narrowing down what they look for: a rare word with a common one, then phrases
// that fewer entries hold, one with case and whole words.
std::vector<SearchCriteria> searches() {
    std::vector<SearchCriteria> list(4);
    list[0].findText = "zephyr garden";
    list[1].findText = "Anna wrote letter";
    list[2].findText = "quiet river friends";
    list[2].wholeWord = true;
    list[3].findText = "Anna wrote";
    list[3].matchCase = true;
    return list;
}

std::string workingCopy(const char* name) {
    return JournalGenerator::WorkingCopy(kBaseShape, name, kCopies);
}

void BM_Load_OpenToListedRoot(benchmark::State& state) {
    Session session(loadJournal());
    std::size_t rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        session.close();
        state.ResumeTiming();
        session.open();
        rows = listRoot(session.doc);
    }
    state.counters["rows"] = static_cast<double>(rows);
}

// Reading one entry just after opening (the preview of the first entry clicked): it fills the
// session's table of row ids, which opening leaves to the first need.
void BM_Load_FirstEntryRead(benchmark::State& state) {
    Session session(loadJournal());
    const std::string id = LoadEntryRows(session.doc.Reader(), EntryFilter{}).back().entryId;
    for (auto _ : state) {
        state.PauseTiming();
        session.close();
        session.open();
        state.ResumeTiming();
        benchmark::DoNotOptimize(session.doc.LoadEntryText(id));
    }
}

// Searches write their marks, so they run on a copy. The journal has been searched before, as
// any journal in use has, so every mark is written: with the same search (/0: no mark changes)
// or another (/1: the marks of both searches' hits change). The journal as made has no mark
// written; the first search of its life writes every row once, measured on its own below.
void BM_Load_SearchFirst(benchmark::State& state) {
    Session session(workingCopy("load-search-first"));
    const SearchCriteria criteria = searches().front();
    session.doc.Search(state.range(0) == 0 ? criteria : searches().back());
    for (auto _ : state) {
        state.PauseTiming();
        session.close();
        session.open();
        state.ResumeTiming();
        session.doc.Search(criteria);
    }
    state.counters["hits"] = static_cast<double>(LoadSearchResultRows(session.doc).size());
}

// The first search of a journal that was never searched: besides reading every entry it writes
// the mark of every row, as clearing all marks does.
void BM_Load_SearchFirstEver(benchmark::State& state) {
    const SearchCriteria criteria = searches().front();
    for (auto _ : state) {
        state.PauseTiming();
        auto session = std::make_unique<Session>(workingCopy("load-search-first-ever"));
        state.ResumeTiming();
        session->doc.Search(criteria);
        state.PauseTiming();
        session.reset(); // closing is not the search's time
        state.ResumeTiming();
    }
}

// Each search of the list after the one before it, the journal open and searched once.
void BM_Load_SearchAgain(benchmark::State& state) {
    Session session(workingCopy("load-search-again"));
    const std::vector<SearchCriteria> list = searches();
    session.doc.Search(list.back());
    std::size_t next = 0;
    for (auto _ : state)
        session.doc.Search(list[next++ % list.size()]);
}

// What the panes read on the window's thread: the root's listing (every entry), the listing of
// the entries of the first topic, and the topic list.
void BM_Load_PaneReads(benchmark::State& state) {
    Session session(loadJournal());
    EntryFilter byTopic;
    byTopic.topicPaneShown = true;
    byTopic.selectedTopicIds = {LoadTopicItems(session.doc.Reader().Db()).front().id};
    std::size_t rows = 0;
    for (auto _ : state) {
        switch (state.range(0)) {
        case 0:
            rows = listRoot(session.doc);
            break;
        case 1:
            rows = LoadEntryRows(session.doc.Reader(), byTopic).size();
            break;
        default:
            rows = LoadTopicItems(session.doc.Reader().Db()).size();
        }
    }
    state.counters["rows"] = static_cast<double>(rows);
}

// The journal check (qbk check) at 10,000 (/1) and 100,000 (/10) entries: it runs in the
// command-line tool only, so wall and CPU are all there is to measure.
void BM_Load_Check(benchmark::State& state) {
    const std::string path =
        state.range(0) == 1 ? JournalGenerator::Cached(kBaseShape) : loadJournal();
    std::size_t problems = 0;
    for (auto _ : state) {
        SqlDatabase db;
        db.open(path, true);
        JournalCheck check(db);
        if (!check.Unlock({}))
            state.SkipWithError("the content key does not decipher");
        problems = check.Run().size();
    }
    state.counters["problems"] = static_cast<double>(problems);
}

void timed(benchmark::internal::Benchmark* b, int iterations) {
    b->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->MeasureProcessCPUTime()
        ->Iterations(iterations)
        ->Repetitions(5);
}
BENCHMARK(BM_Load_OpenToListedRoot)->Apply([](auto* b) { timed(b, 1); });
BENCHMARK(BM_Load_FirstEntryRead)->Apply([](auto* b) { timed(b, 1); });
BENCHMARK(BM_Load_SearchFirst)->Arg(0)->Arg(1)->Apply([](auto* b) { timed(b, 1); });
BENCHMARK(BM_Load_SearchAgain)->Apply([](auto* b) { timed(b, 4); });
BENCHMARK(BM_Load_SearchFirstEver)->Apply([](auto* b) { timed(b, 1); });
BENCHMARK(BM_Load_PaneReads)->DenseRange(0, 2)->Apply([](auto* b) { timed(b, 1); });
BENCHMARK(BM_Load_Check)->Arg(1)->Arg(kCopies)->Apply([](auto* b) { timed(b, 1); });

void printRow(const GoalSummary& s, const char* figure, const char* name, double goal) {
    const auto wall = s.millis(name);
    const auto cpu = s.cpuMillis(name);
    if (!wall || !cpu) {
        std::printf("%-28s not run\n", figure);
        return;
    }
    std::printf("%-28s %9.1f ms wall %9.1f ms CPU   goal %6.0f ms  %s\n", figure, *wall, *cpu, goal,
                *wall <= goal ? "met" : (*cpu <= goal ? "met in CPU time" : "MISSED"));
}

// Run in a process of its own: opened, listed, searched twice.
void measurePeakMemory() {
    Session session(workingCopy("load-memory"));
    const std::size_t rows = listRoot(session.doc);
    const std::vector<SearchCriteria> list = searches();
    session.doc.Search(list[0]);
    session.doc.Search(list[1]);
    const double peak = peakResidentMb();
    std::printf("peak memory, %zu entries open, listed and searched twice: %.1f MB (goal 400 MB: "
                "%s)\n",
                rows, peak, peak <= 400 ? "met" : "MISSED");
}

// A journal of few but huge entries, 1.5 MB of RTF each: the first search's memory must follow
// the texts it keeps, not the stored bytes read ahead of the deciphering.
JournalShape hugeShape() {
    JournalShape shape;
    shape.entries = 256;
    shape.folders = 3;
    shape.topics = 5;
    shape.links = 256;
    shape.entryBytes = std::size_t(1536) * 1024;
    return shape;
}

void measureHugeEntriesMemory() {
    const std::string path = JournalGenerator::WorkingCopy(hugeShape(), "load-huge");
    Session session(path);
    session.doc.Search(searches().front());
    const double fileMb = static_cast<double>(fs::file_size(path)) / (1024.0 * 1024.0);
    std::printf("peak memory, %d entries of %zu KB RTF searched once: %.1f MB (file %.1f MB)\n",
                hugeShape().entries, hugeShape().entryBytes / 1024, peakResidentMb(), fileMb);
}

} // namespace

int main(int argc, char** argv) {
    if (PeakMemoryProbe::RunIfProbe(argc, argv, measurePeakMemory) ||
        PeakMemoryProbe::RunIfProbe(argc, argv, measureHugeEntriesMemory, "huge"))
        return 0;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    loadJournal(); // made (or found) before any timing starts
    GoalSummary summary;
    benchmark::RunSpecifiedBenchmarks(&summary);
    std::printf("\nMedians of five runs, %d entries\n", kBaseShape.entries * kCopies);
    printRow(summary, "opening to the listed root", "BM_Load_OpenToListedRoot", 1000);
    std::printf("%-28s %9.1f ms wall %9.1f ms CPU   (no goal)\n", "first entry read, opened",
                summary.millis("BM_Load_FirstEntryRead").value_or(0),
                summary.cpuMillis("BM_Load_FirstEntryRead").value_or(0));
    for (const auto& [figure, name] :
         {std::pair{"root listing (list's worker)", "BM_Load_PaneReads/0"},
          std::pair{"topic listing (list's worker)", "BM_Load_PaneReads/1"},
          std::pair{"topic list", "BM_Load_PaneReads/2"},
          std::pair{"journal check, 10,000", "BM_Load_Check/1"},
          std::pair{"journal check, 100,000", "BM_Load_Check/10"}})
        std::printf("%-28s %9.1f ms wall %9.1f ms CPU\n", figure, summary.millis(name).value_or(0),
                    summary.cpuMillis(name).value_or(0));
    printRow(summary, "first search after opening", "BM_Load_SearchFirst/0", 1500);
    printRow(summary, "same, another search before", "BM_Load_SearchFirst/1", 1500);
    printRow(summary, "search again", "BM_Load_SearchAgain", 300);
    printRow(summary, "first search, never searched", "BM_Load_SearchFirstEver", 1500);
    PeakMemoryProbe::RunProbe(argv[0]);
    JournalGenerator::Cached(hugeShape()); // made before its probe, which measures a search
    PeakMemoryProbe::RunProbe(argv[0], "huge");
    benchmark::Shutdown();
    return 0;
}
