// Export, backup and check on the journal of many years (10,000 entries of about 2 KB RTF):
// times against their goals, and the heap an HTML or ODT export holds for a tenth of the
// journal and for all of it, which must stay the same (entries are streamed one at a time).
#include "bench/support/BenchHost.h"
#include "bench/support/BenchJournalUi.h"
#include "bench/support/GoalSummary.h"
#include "bench/support/JournalGenerator.h"

#include "core/export/ExportJob.h"
#include "core/export/JournalBackup.h"
#include "core/export/JournalCheck.h"
#include "core/session/CQBKDoc.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>

#include <cstdio>
#include <malloc.h>
#include <stdexcept>

namespace {

const JournalShape kShape;

class Session {
public:
    explicit Session(const std::string& path) {
        if (doc.OpenJournal(path) != CQBKDoc::OpenResult::Ok)
            throw std::runtime_error("cannot open " + path);
    }
    BenchJournalUi ui;
    BenchHost host;
    CQBKDoc doc{ui, host};
};

QString outPath(const char* name) {
    return QDir(QString::fromStdString(JournalGenerator::CacheFolder()))
        .filePath(QString::fromLatin1(name));
}

ExportResult exportAll(Session& session, ExportFormat format, const EntryChoice& choice = {},
                       const ExportProgress& progress = {}) {
    ExportRequest request;
    request.choice = choice;
    request.format = format;
    request.outPath = outPath("export-bench.out");
    request.overwrite = true;
    request.title = QStringLiteral("Bench");
    return RunExport(session.doc.Reader(), request, {}, progress);
}

void BM_Export(benchmark::State& state) {
    Session session(JournalGenerator::Cached(kShape));
    const auto format = static_cast<ExportFormat>(state.range(0));
    std::size_t entries = 0;
    for (auto _ : state) {
        const ExportResult result = exportAll(session, format);
        if (result.status != ExportResult::Status::Done)
            state.SkipWithError(result.message.toStdString().c_str());
        entries = result.entries;
    }
    state.counters["entries"] = static_cast<double>(entries);
    QFile::remove(outPath("export-bench.out"));
}
BENCHMARK(BM_Export)
    ->Arg(int(ExportFormat::Html))
    ->Arg(int(ExportFormat::Markdown))
    ->Arg(int(ExportFormat::Text))
    ->Arg(int(ExportFormat::Odt))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3);

void BM_Backup(benchmark::State& state) {
    const std::string source = JournalGenerator::Cached(kShape);
    const std::string target = outPath("backup-bench.qbk").toStdString();
    for (auto _ : state) {
        const BackupResult result = BackupJournal(source, target, true);
        if (!result.ok)
            state.SkipWithError(result.message.toStdString().c_str());
    }
    QFile::remove(QString::fromStdString(target));
}
BENCHMARK(BM_Backup)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(5);

void BM_Check(benchmark::State& state) {
    const std::string path = JournalGenerator::Cached(kShape);
    std::size_t problems = 0;
    for (auto _ : state) {
        SqlDatabase db;
        db.open(path);
        JournalCheck check(db);
        if (!check.Unlock(kShape.password))
            state.SkipWithError("cannot unlock");
        problems = check.Run().size();
    }
    state.counters["problems"] = static_cast<double>(problems);
}
BENCHMARK(BM_Check)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(3);

// --- memory --------------------------------------------------------------------------------

double heapInUseMb() {
    return static_cast<double>(mallinfo2().uordblks) / (1024.0 * 1024.0);
}

// The most heap in use, above what was in use before, at any entry of an export of the
// entries up to the given day.
double exportHeapGrowthMb(Session& session, ExportFormat format, int lastYear,
                          std::size_t& entries) {
    EntryChoice choice;
    choice.between = true;
    choice.from = COleDateTime(1000, 1, 1, 0, 0, 0);
    choice.to = COleDateTime(lastYear, 12, 31, 23, 59, 59);
    malloc_trim(0);
    const double before = heapInUseMb();
    double peak = before;
    const ExportResult result = exportAll(session, format, choice, [&](std::size_t, std::size_t) {
        peak = std::max(peak, heapInUseMb());
        return true;
    });
    entries = result.entries;
    return peak - before;
}

void printMemory() {
    Session session(JournalGenerator::Cached(kShape));
    for (const ExportFormat format : {ExportFormat::Html, ExportFormat::Odt}) {
        // The first years hold a tenth or so of the entries; then the whole journal.
        std::size_t fewEntries = 0;
        std::size_t allEntries = 0;
        double few = 0;
        for (int year = 1990; year < 2100; ++year) {
            few = exportHeapGrowthMb(session, format, year, fewEntries);
            if (fewEntries >= 500)
                break;
        }
        const double all = exportHeapGrowthMb(session, format, 9999, allEntries);
        std::printf("heap held while exporting to %s: %.2f MB for %zu entries, %.2f MB for %zu "
                    "entries (goal: flat)\n",
                    ExportFormatExtension(format), few, fewEntries, all, allEntries);
    }
    QFile::remove(outPath("export-bench.out"));
}

void printSummary(const GoalSummary& s) {
    std::printf("\nMedians against the goals\n%-28s %10s %8s %7s\n", "figure", "median ms",
                "goal ms", "/goal");
    const std::pair<const char*, std::pair<const char*, double>> rows[] = {
        {"export to HTML", {"BM_Export/0", 3000}},
        {"export to Markdown", {"BM_Export/1", 2000}},
        {"export to plain text", {"BM_Export/2", 2000}},
        {"backup", {"BM_Backup", 500}},
        {"check", {"BM_Check", 1500}},
    };
    for (const auto& [figure, bench] : rows) {
        if (const auto value = s.millis(bench.first))
            std::printf("%-28s %10.1f %8.0f %6.2fx\n", figure, *value, bench.second,
                        *value / bench.second);
        else
            std::printf("%-28s %10s\n", figure, "not run");
    }
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    JournalGenerator::Cached(kShape); // made before any timing
    GoalSummary summary;
    benchmark::RunSpecifiedBenchmarks(&summary);
    printSummary(summary);
    printMemory();
    benchmark::Shutdown();
    return 0;
}
