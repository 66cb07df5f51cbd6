// How long the window's event loop stalls while long work runs, at 10,000 entries (/1) and at
// 100,000 (/10: the journal copied ten times over): a first search through the search dialog,
// an export to HTML and a backup, each from the window as the user starts it. A timer ticking
// every 5 ms on the window's thread measures the longest gap between ticks (goal: no stall over
// 50 ms) and the most CPU time the thread spent between two ticks (busy_ms: the window's own
// work, which a loaded machine does not stretch). Beside each, the same work called directly on
// this thread, as it ran before it moved to a worker (goal: the work no more than 10% slower).
// Then the entry list filled from the window: opening the journal to its listed root, and
// listing the root (every entry), the first topic's entries and one folder's, each measured
// until the rows are in the list (goal: busy_ms under 100).
#include "bench/support/BenchHost.h"
#include "bench/support/BenchJournalUi.h"
#include "bench/support/GoalSummary.h"
#include "bench/support/JournalGenerator.h"

#include "core/dialogs/SearchRules.h"
#include "core/export/ExportJob.h"
#include "core/export/JournalBackup.h"
#include "core/session/CQBKDoc.h"
#include "core/store/SqlQuery.h"
#include "gui/browser/CEntryListView.h"
#include "gui/browser/CTopicListView.h"
#include "gui/dialogs/CSearchDlg.h"
#include "gui/export/JournalExportCommands.h"
#include "gui/platform/ControlId.h"
#include "gui/platform/LongWorkOnWorker.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <stdexcept>

namespace {

const JournalShape kShape;
constexpr const char* kFindText = "river garden";

// copies: of the 10,000-entry journal (JournalGenerator::Copied).
struct Session {
    Session(const std::string& name, std::int64_t copies)
        : path(JournalGenerator::WorkingCopy(kShape, name, static_cast<int>(copies))) {
        if (doc.OpenJournal(path) != CQBKDoc::OpenResult::Ok)
            throw std::runtime_error("cannot open the benchmark journal");
    }
    std::string path;
    BenchJournalUi ui;
    BenchHost host;
    CQBKDoc doc{ui, host};
};

double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The longest gap between ticks of a 5 ms timer on this thread while it runs, in wall time
// and in the thread's CPU time.
class StallMeter {
public:
    StallMeter() {
        QObject::connect(&m_tick, &QTimer::timeout, [this] {
            m_longest = std::max(m_longest, m_since.restart());
            const double cpu = threadCpuMs();
            m_longestBusy = std::max(m_longestBusy, cpu - m_cpu);
            m_cpu = cpu;
        });
        m_tick.setTimerType(Qt::PreciseTimer);
        m_since.start();
        m_tick.start(5);
    }
    double longestMs() const { return static_cast<double>(m_longest); }
    double longestBusyMs() const { return m_longestBusy; }

private:
    QTimer m_tick;
    QElapsedTimer m_since;
    qint64 m_longest = 0;
    double m_cpu = threadCpuMs();
    double m_longestBusy = 0;
};

// Times work started from the event loop (as a click is) and records the longest stall;
// between runs, untimed, what readies the next.
void measure(benchmark::State& state, const std::function<void()>& work,
             const std::function<void()>& between = {}) {
    double stall = 0;
    double busy = 0;
    for (auto _ : state) {
        StallMeter meter;
        QEventLoop loop;
        QTimer::singleShot(0, &loop, [&] {
            work();
            loop.quit();
        });
        loop.exec();
        stall = std::max(stall, meter.longestMs());
        busy = std::max(busy, meter.longestBusyMs());
        if (between) {
            state.PauseTiming();
            between();
            state.ResumeTiming();
        }
    }
    state.counters["stall_ms"] = stall;
    state.counters["busy_ms"] = busy;
}

void BM_FirstSearchFromTheDialog(benchmark::State& state) {
    double stall = 0;
    double busy = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Session session("stall-search", state.range(0)); // a fresh session: nothing read yet
        auto* dialog = new CSearchDlg(session.doc, session.ui, nullptr);
        dialog->show();
        QCoreApplication::processEvents();
        findControl<QLineEdit>(dialog, CSearchDlg::kFindTextId)
            ->setText(QString::fromLatin1(kFindText));
        QEventLoop ended;
        QObject::connect(dialog, &CSearchDlg::SearchEnded, &ended, &QEventLoop::quit);
        state.ResumeTiming();
        StallMeter meter;
        QTimer::singleShot(0, dialog, [dialog] {
            findControl<QPushButton>(dialog, CSearchDlg::kBeginSearchId)->click();
        });
        ended.exec();
        stall = std::max(stall, meter.longestMs());
        busy = std::max(busy, meter.longestBusyMs());
        state.PauseTiming();
        session.doc.CloseJournal(); // closes the dialog
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.counters["stall_ms"] = stall;
    state.counters["busy_ms"] = busy;
}

void BM_FirstSearchOnThisThread(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Session session("stall-search-direct", state.range(0));
        state.ResumeTiming();
        SearchCriteria criteria;
        criteria.findText = kFindText;
        session.doc.Search(criteria);
        // The dialog's work reads the rows it shows too.
        benchmark::DoNotOptimize(SearchRules::ListResults(session.doc, session.ui));
    }
}

ExportRequest htmlTo(const QTemporaryDir& dir) {
    ExportRequest request;
    request.format = ExportFormat::Html;
    request.outPath = dir.filePath(QStringLiteral("journal.html"));
    request.overwrite = true;
    return request;
}

void BM_ExportHtmlFromTheWindow(benchmark::State& state) {
    Session session("stall-export", state.range(0));
    const QTemporaryDir dir;
    measure(state, [&] {
        if (JournalExportCommands::RunWithProgress(session.doc, htmlTo(dir), nullptr).status !=
            ExportResult::Status::Done)
            state.SkipWithError("export failed");
    });
}

void BM_ExportHtmlOnThisThread(benchmark::State& state) {
    Session session("stall-export-direct", state.range(0));
    const QTemporaryDir dir;
    measure(state, [&] { RunExport(session.doc.Reader(), htmlTo(dir)); });
}

std::string copyIn(const QTemporaryDir& dir) {
    return QFile::encodeName(dir.filePath(QStringLiteral("copy.qbk"))).toStdString();
}

void BM_BackupFromTheWindow(benchmark::State& state) {
    Session session("stall-backup", state.range(0));
    const QTemporaryDir dir;
    measure(state, [&] {
        if (!JournalExportCommands::CopyWithProgress(session.path, copyIn(dir), nullptr).ok)
            state.SkipWithError("backup failed");
    });
}

void BM_BackupOnThisThread(benchmark::State& state) {
    Session session("stall-backup-direct", state.range(0));
    const QTemporaryDir dir;
    measure(state, [&] { BackupJournal(session.path, copyIn(dir), true); });
}

// The session's long work as the program's window runs it: on a worker, the window live.
struct WindowedUi : BenchJournalUi {
    bool runLongWork(const std::string& title, const std::string& label,
                     const LongWork& work) override {
        return RunLongWorkOnWorker(nullptr, title, label, work);
    }
};

// The entry and topic panes over the cached journal (listing only reads it), opened as the
// program opens it: the panes list what opening shows.
struct ListingPanes {
    explicit ListingPanes(std::int64_t copies)
        : path(copies == 1 ? JournalGenerator::Cached(kShape)
                           : JournalGenerator::Copied(kShape, static_cast<int>(copies))) {
        entries.setTopicList(&topics);
        entries.setTopicPaneShown([this] { return topicsShown; });
        entries.resize(600, 400);
        entries.show();
        doc.AttachPanes(&entries, &topics, nullptr, nullptr);
    }
    ~ListingPanes() {
        entries.WaitForListing();
        if (doc.IsJournalOpen())
            doc.CloseJournal();
        doc.AttachPanes(nullptr, nullptr, nullptr, nullptr);
    }
    void open() {
        if (doc.OpenJournal(path) != CQBKDoc::OpenResult::Ok)
            throw std::runtime_error("cannot open the benchmark journal");
    }
    // Until the rows are in, with the window's event loop running.
    void waitForRows() {
        while (entries.IsListing())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    std::string path;
    WindowedUi ui;
    BenchHost host;
    CQBKDoc doc{ui, host};
    CTopicListView topics{doc, ui};
    CEntryListView entries{doc, ui};
    bool topicsShown = false;
};

// /copies/what: 0 opening to the listed root, 1 the root, 2 the first topic, 3 a folder.
void BM_ListFromTheWindow(benchmark::State& state) {
    ListingPanes panes(state.range(0));
    if (state.range(1) != 0)
        panes.open();
    if (state.range(1) == 2) {
        panes.topicsShown = true;
        QListView* list = panes.topics.GetListCtrl();
        list->selectionModel()->select(list->model()->index(0, 0),
                                       QItemSelectionModel::ClearAndSelect);
    }
    if (state.range(1) == 3) {
        SqlQuery query = panes.doc.Reader().Db().query("SELECT FolderID FROM Entry LIMIT 1");
        panes.doc.SetCurrentFolderId(query.textField(0));
        query.finalize();
    }
    int rows = 0;
    measure(
        state,
        [&] {
            if (state.range(1) == 0)
                panes.open();
            else
                panes.entries.LoadEntries();
            panes.waitForRows();
            rows = panes.entries.rowCount();
        },
        [&] {
            if (state.range(1) == 0) // reopened by the next run
                panes.doc.CloseJournal();
        });
    state.counters["rows"] = rows;
}

// 100,000 entries run once: each run takes seconds.
void configure(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)->UseRealTime();
    b->Arg(1)->Iterations(3)->Repetitions(3);
}
void configureLarge(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)->UseRealTime()->Arg(10)->Iterations(1)->Repetitions(1);
}
BENCHMARK(BM_FirstSearchFromTheDialog)->Apply(configure);
BENCHMARK(BM_FirstSearchOnThisThread)->Apply(configure);
BENCHMARK(BM_ExportHtmlFromTheWindow)->Apply(configure);
BENCHMARK(BM_ExportHtmlOnThisThread)->Apply(configure);
BENCHMARK(BM_BackupFromTheWindow)->Apply(configure);
BENCHMARK(BM_BackupOnThisThread)->Apply(configure);
BENCHMARK(BM_FirstSearchFromTheDialog)->Apply(configureLarge);
BENCHMARK(BM_FirstSearchOnThisThread)->Apply(configureLarge);
BENCHMARK(BM_ExportHtmlFromTheWindow)->Apply(configureLarge);
BENCHMARK(BM_ExportHtmlOnThisThread)->Apply(configureLarge);
BENCHMARK(BM_BackupFromTheWindow)->Apply(configureLarge);
BENCHMARK(BM_BackupOnThisThread)->Apply(configureLarge);
BENCHMARK(BM_ListFromTheWindow)
    ->ArgsProduct({{1, 10}, {0, 1, 2, 3}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    JournalGenerator::Copied(kShape, 10); // made (or found) before any timing starts
    GoalSummary summary;
    benchmark::RunSpecifiedBenchmarks(&summary);
    for (const char* size : {"/1", "/10"}) {
        for (const char* work : {"FirstSearch", "ExportHtml", "Backup"}) {
            const auto windowed = summary.millis(std::string("BM_") + work + "FromThe" +
                                                 (work[0] == 'F' ? "Dialog" : "Window") + size);
            const auto direct = summary.millis(std::string("BM_") + work + "OnThisThread" + size);
            if (windowed && direct)
                std::printf("%s%s: %.1f ms from the window, %.1f ms on this thread (%+.1f%%; "
                            "goal <= +10%%)\n",
                            work, size, *windowed, *direct, (*windowed / *direct - 1) * 100);
        }
    }
    std::printf("\nThe window's thread, longest stall (wall) and busy_ms (its CPU between two "
                "ticks; goal < 100 ms), medians:\n");
    const char* works[] = {"FirstSearchFromTheDialog", "ExportHtmlFromTheWindow",
                           "BackupFromTheWindow"};
    for (const char* size : {"/1", "/10"})
        for (const char* work : works)
            summary.printCounters(std::string("BM_") + work + size);
    for (const char* size : {"/1/", "/10/"})
        for (const char* what : {"0", "1", "2", "3"})
            summary.printCounters(std::string("BM_ListFromTheWindow") + size + what);
    benchmark::Shutdown();
    return 0;
}
