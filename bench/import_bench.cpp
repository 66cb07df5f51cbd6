// Importing a folder of 10,000 Markdown files of about 2 KB each, in 40 sub-folders, into a new
// journal: each read, converted and written as it comes, all in one transaction. Goal: under
// 10 s. Prints entries per second and, from a process of its own, the peak memory of one import
// (bench/import_memory.sh shows that peak for 1,000 to 20,000 files).
#include "bench/support/BenchHost.h"
#include "bench/support/BenchJournalUi.h"
#include "bench/support/GoalSummary.h"
#include "bench/support/JournalGenerator.h"
#include "bench/support/PeakMemoryProbe.h"
#include "bench/support/ResidentMemory.h"

#include "core/import/JournalImport.h"
#include "core/import/TextFolderSource.h"
#include "core/session/CQBKDoc.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <cstdio>
#include <random>
#include <stdexcept>

namespace {

constexpr int kFiles = 10000;

// The folder of Markdown files, made once and kept in the benchmark cache.
QString markdownFolder() {
    const QDir cache(QString::fromStdString(JournalGenerator::CacheFolder()));
    const QString folder = cache.filePath(QStringLiteral("import-bench-md"));
    if (QFile::exists(folder + QStringLiteral("/done")))
        return folder;
    QDir(folder).removeRecursively();
    std::mt19937 rng(20240601);
    const char* words[] = {"walk", "river", "coffee", "letter", "garden", "train", "rain", "book"};
    for (int i = 0; i < kFiles; ++i) {
        const QString sub = QStringLiteral("%1/year %2").arg(folder).arg(1990 + i % 40);
        QDir().mkpath(sub);
        QByteArray text = "---\ntags: [bench, w" + QByteArray::number(i % 50) + "]\n---\n# Day " +
                          QByteArray::number(i) + "\n\n";
        while (text.size() < 2000) {
            for (int w = 0; w < 12; ++w) {
                const char* word = words[rng() % 8];
                text += rng() % 10 == 0 ? QByteArray("**") + word + "** " : QByteArray(word) + ' ';
            }
            text += rng() % 4 == 0 ? "\n\n- item *one*\n- item two\n\n" : "\n\n";
        }
        QFile file(QStringLiteral("%1/%2-%3-%4 %5.md")
                       .arg(sub)
                       .arg(1990 + i % 40)
                       .arg(1 + i % 12, 2, 10, QLatin1Char('0'))
                       .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                       .arg(i));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            throw std::runtime_error("cannot write the Markdown folder");
    }
    QFile(folder + QStringLiteral("/done")).open(QIODevice::WriteOnly);
    return folder;
}

ImportReport importOnce(const QString& folder) {
    const std::string path = JournalGenerator::CacheFolder() + "/import-bench.qbk";
    JournalShape empty;
    empty.entries = empty.folders = empty.topics = empty.links = 0;
    JournalGenerator::Generate(empty, path);
    BenchJournalUi ui;
    BenchHost host;
    CQBKDoc doc(ui, host);
    if (doc.OpenJournal(path) != CQBKDoc::OpenResult::Ok)
        throw std::runtime_error("cannot open " + path);
    return WriteImport(doc.Reader(), "{Root}", [&](ImportSink& sink) {
        return ReadTextFolder(folder, {QStringLiteral("Arial"), 24, true}, sink);
    });
}

void BM_ImportMarkdown(benchmark::State& state) {
    const QString folder = markdownFolder();
    std::size_t imported = 0;
    for (auto _ : state) {
        const ImportReport report = importOnce(folder);
        if (report.status != ImportReport::Status::Done || report.imported != kFiles)
            state.SkipWithError("the import did not take every file");
        imported = report.imported;
    }
    state.counters["entries/s"] =
        benchmark::Counter(double(imported), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ImportMarkdown)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3);

} // namespace

int main(int argc, char** argv) {
    if (PeakMemoryProbe::RunIfProbe(argc, argv, [] {
            const QString folder = markdownFolder();
            const double before = peakResidentMb();
            importOnce(folder);
            std::printf("peak resident memory of one import: %.1f MB (%.1f MB before it)\n",
                        peakResidentMb(), before);
        }))
        return 0;
    benchmark::Initialize(&argc, argv);
    markdownFolder(); // made before any timing
    GoalSummary summary;
    benchmark::RunSpecifiedBenchmarks(&summary);
    if (const auto millis = summary.millis("BM_ImportMarkdown"))
        std::printf("\nimport of %d Markdown files: %.0f ms median (goal 10000 ms), %.0f "
                    "entries/s, %.0f ms of CPU\n",
                    kFiles, *millis, kFiles * 1000.0 / *millis,
                    summary.cpuMillis("BM_ImportMarkdown").value_or(0));
    PeakMemoryProbe::RunProbe(argv[0]);
    benchmark::Shutdown();
    return 0;
}
