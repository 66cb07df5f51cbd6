// A recovery copy of a 1 MB entry: sealing it (enciphering with the journal's keyed engine and
// its digest) and writing it the safe way (temporary file, fsync, rename), against the goal.
#include "bench/support/EntryTextMaker.h"
#include "bench/support/GoalSummary.h"

#include "core/export/RecoveryFolder.h"
#include "core/protect/BlowfishEngine.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr double kGoalMs = 20;

RecoveryCopy megabyteCopy() {
    return {"/home/someone/journal.qbk", "{8E3B9C2A-1D4F-4A6B-9C8D-0123456789AB}",
            QDateTime::currentDateTimeUtc(), EntryTextMaker(7).rtf(1 << 20)};
}

BlowfishEngine keyed() {
    BlowfishEngine engine;
    engine.SetKey("{11111111-2222-3333-4444-555555555555}");
    return engine;
}

void BM_RecoverySeal(benchmark::State& state) {
    const RecoveryCopy copy = megabyteCopy();
    const BlowfishEngine engine = keyed();
    for (auto _ : state)
        benchmark::DoNotOptimize(copy.seal(engine));
    state.SetBytesProcessed(state.iterations() * std::int64_t(copy.rtf.size()));
}
BENCHMARK(BM_RecoverySeal)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RecoveryWrite(benchmark::State& state) {
    const RecoveryCopy copy = megabyteCopy();
    const BlowfishEngine engine = keyed();
    QTemporaryDir dir;
    const RecoveryFolder folder(dir.filePath(QStringLiteral("recovery")));
    for (auto _ : state) {
        if (!folder.write(copy, engine).isEmpty())
            state.SkipWithError("the copy was not written");
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(copy.rtf.size()));
}
BENCHMARK(BM_RecoveryWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    GoalSummary summary;
    benchmark::RunSpecifiedBenchmarks(&summary);
    for (const char* name : {"BM_RecoverySeal", "BM_RecoveryWrite"}) {
        if (const auto value = summary.millis(name))
            std::printf("%-20s %8.2f ms (goal for the write: %.0f ms)\n", name, *value, kGoalMs);
    }
    benchmark::Shutdown();
    return 0;
}
