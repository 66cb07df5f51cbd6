// Printing the journal of many years (10,000 entries of about 2 KB RTF) to a PDF file through
// the program's own print job: entries a second, and whether the memory stays flat as the
// job grows (each entry's document lives only while it prints). Once each entry from a new
// page, once one after another with numbered pages (every entry laid out twice: counted, then
// printed).
#include "bench/support/BenchHost.h"
#include "bench/support/BenchJournalUi.h"
#include "bench/support/JournalGenerator.h"
#include "bench/support/ResidentMemory.h"

#include "core/print/EntryChoice.h"
#include "core/session/CQBKDoc.h"
#include "render/PdfEntryPages.h"
#include "render/PrintRows.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <stdexcept>

namespace {

const JournalShape kShape;

// Resident memory after this many entries and at the end of the last whole-journal job.
constexpr std::size_t kEarlySample = 1000;
// What the whole-journal run of each layout measured: [0] a page each, [1] continuous.
struct Measured {
    double residentEarly = 0;
    double residentEnd = 0;
    double entriesPerSecond = 0;
};
Measured g_measured[2];

// Prints the first count chosen entries to a PDF file, as qbk print does; the memory is sampled
// after kEarlySample entries have been printed.
void printEntries(CQBKDoc& doc, const std::vector<long long>& chosen, std::size_t count,
                  bool continuous, const QString& pdf) {
    QFile out(pdf);
    if (!out.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write the PDF file");
    EntryPrintJob::Options options;
    options.continuous = continuous;
    options.pageNumbers = continuous;
    PdfEntryPages job(out, QStringLiteral("Bench"), options);
    const std::vector<long long> rows(chosen.begin(),
                                      chosen.begin() + std::min(count, chosen.size()));
    Measured& measured = g_measured[continuous ? 1 : 0];
    PrintRows(job.job(), doc.Reader(), rows, [&](std::size_t printed) {
        if (printed == kEarlySample)
            measured.residentEarly = currentResidentMb();
    });
    if (!job.finish())
        throw std::runtime_error("the PDF file could not be written");
    measured.residentEnd = currentResidentMb();
}

void BM_PrintJournalToPdf(benchmark::State& state) {
    BenchJournalUi ui;
    BenchHost host;
    CQBKDoc doc(ui, host);
    if (doc.OpenJournal(JournalGenerator::Cached(kShape)) != CQBKDoc::OpenResult::Ok)
        throw std::runtime_error("cannot open the benchmark journal");
    const std::vector<long long> chosen = ChosenEntryRows(doc.Reader().Db(), EntryChoice{});
    const auto count = static_cast<std::size_t>(state.range(0));
    const bool continuous = state.range(1) != 0;
    const QString pdf = QDir(QString::fromStdString(JournalGenerator::CacheFolder()))
                            .filePath(QStringLiteral("print-bench.pdf"));
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        printEntries(doc, chosen, count, continuous, pdf);
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    const double printed = static_cast<double>(state.iterations() * std::min(count, chosen.size()));
    state.counters["entries_per_second"] = benchmark::Counter(printed, benchmark::Counter::kIsRate);
    g_measured[continuous ? 1 : 0].entriesPerSecond = printed / seconds.count();
    QFile::remove(pdf);
}
// 500 entries a few times for a median; then the whole journal once, for the memory; each
// with a page per entry (0) and continuous with page numbers (1). Rates against the clock on
// the wall, as a user waits for the pages.
BENCHMARK(BM_PrintJournalToPdf)
    ->ArgsProduct({{500}, {0, 1}})
    ->Repetitions(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintJournalToPdf)
    ->ArgsProduct({{10000}, {0, 1}})
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // Pages are laid out with fonts, which need a QGuiApplication; no window is shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    JournalGenerator::Cached(kShape); // made before any timing starts
    benchmark::RunSpecifiedBenchmarks();
    for (const bool continuous : {false, true}) {
        const Measured& m = g_measured[continuous ? 1 : 0];
        std::printf("printing the whole journal to PDF%s: %.0f entries a second (goal >= 150); "
                    "resident memory %.1f MB after %zu entries, %.1f MB after all of them "
                    "(goal: flat)\n",
                    continuous ? " --continuous --page-numbers" : "", m.entriesPerSecond,
                    m.residentEarly, kEarlySample, m.residentEnd);
    }
    benchmark::Shutdown();
    return 0;
}
