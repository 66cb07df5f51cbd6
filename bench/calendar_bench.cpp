// The calendar and the statistics on journals of 10,000 and 100,000 entries: reading the
// marked days of a month (goal: under 20 ms at 100,000, from the session's record of its rows,
// once that is filled) and counting the statistics of every entry (goal: under 1.5 s at
// 10,000).
#include "bench/support/BenchSession.h"
#include "bench/support/JournalGenerator.h"

#include "core/browser/CalendarEntries.h"
#include "core/editor/JournalStats.h"
#include "core/store/SqlQuery.h"

#include <benchmark/benchmark.h>

namespace {

const JournalShape kBaseShape;

std::string journalOf(int entries) {
    return entries == kBaseShape.entries
               ? JournalGenerator::Cached(kBaseShape)
               : JournalGenerator::Copied(kBaseShape, entries / kBaseShape.entries);
}

// The month of the journal's latest entry, where the generator puts most of its days.
CalendarMonth latestMonth(CQBKDoc& doc) {
    SqlQuery query = doc.Reader().Db().query("SELECT max(TimeStamp) FROM Entry");
    const QDate day =
        QDate::fromString(QString::fromStdString(query.textField(0).substr(0, 10)), Qt::ISODate);
    query.finalize();
    return CalendarMonth::holding(day, Qt::Monday);
}

void BM_MonthMarks(benchmark::State& state) {
    BenchSession session(journalOf(static_cast<int>(state.range(0))));
    const CalendarMonth month = latestMonth(session.doc);
    std::size_t marked = CalendarEntries::CountsPerDay(session.doc, month.shownDays()).size();
    for (auto _ : state)
        marked = CalendarEntries::CountsPerDay(session.doc, month.shownDays()).size();
    state.counters["marked days"] = static_cast<double>(marked);
}

// The first month read after opening fills the session's record of its rows.
void BM_FirstMonthAfterOpening(benchmark::State& state) {
    const std::string path = journalOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        BenchSession session(path);
        const CalendarMonth month = latestMonth(session.doc);
        state.ResumeTiming();
        benchmark::DoNotOptimize(CalendarEntries::CountsPerDay(session.doc, month.shownDays()));
        state.PauseTiming();
        session.close();
        state.ResumeTiming();
    }
}

void BM_Statistics(benchmark::State& state) {
    BenchSession session(journalOf(static_cast<int>(state.range(0))));
    long long words = 0;
    for (auto _ : state)
        words = ComputeJournalStats(session.doc.Reader(), {}, QDate::currentDate()).all.words;
    state.counters["words"] = static_cast<double>(words);
}

} // namespace

BENCHMARK(BM_MonthMarks)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstMonthAfterOpening)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Statistics)->Arg(10000)->Arg(100000)->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
