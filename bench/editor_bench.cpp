// The entry editor on long entries: opening a 1 MB entry with two small pictures, and one
// whose three photograph-sized pictures make up half of it (read, decipher, RTF to document,
// shown), saving it, and the time from a keystroke to the repainted text on a 200 KB entry and
// beside a picture of the 1 MB one. Runs offscreen.

#include "bench/support/BenchHost.h"
#include "bench/support/BenchJournalUi.h"
#include "core/richtext/RichDocument.h"
#include "core/richtext/RtfWriter.h"
#include "core/session/CQBKDoc.h"
#include "gui/editor/CEntryFrame.h"
#include "gui/editor/CEntryView.h"
#include "gui/editor/EntryEditorTemplate.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <memory>

using namespace richtext;

namespace {

// A picture that does not compress: its PNG stays as large as a photograph's would.
Image noisePicture(int side, quint32 seed) {
    QImage image(side, side, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            image.setPixel(x, y, random.generate() | 0xFF000000u);
    Image picture;
    QBuffer buffer(&picture.data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    picture.widthPixels = picture.heightPixels = side;
    picture.widthTwips = picture.heightTwips = side * 15;
    return picture;
}

constexpr int kSmallPicture = 110;
constexpr int kPhotoPicture = 180; // 180 x 180 of noise: about 100 KB of PNG, 200 KB of RTF

// Where the picture of the number stands among the paragraphs.
std::size_t pictureParagraph(std::size_t paragraphs, int picture, int pictures) {
    return paragraphs * static_cast<std::size_t>(picture) / static_cast<std::size_t>(pictures);
}

// Paragraphs of prose with bold and coloured words until the RTF reaches the size, with the
// pictures (side pixels square) spread through it: the first one leads.
std::string entryText(std::size_t targetBytes, int pictures, int side) {
    static const char* const words[] = {"morning", "the", "caf\u00e9", "walked",
                                        "river",   "and", "we",        "light",
                                        "quiet",   "of",  "garden",    "later"};
    CharFormat plain;
    plain.face = QStringLiteral("Calibri");
    plain.halfPoints = 22;
    CharFormat bold = plain;
    bold.bold = true;
    CharFormat blue = plain;
    blue.color = 0x1F497D;
    RichDocument doc;
    std::size_t bytes = 0;
    for (int picture = 0; picture < pictures; ++picture) {
        Paragraph p;
        p.mark = plain;
        appendImage(p, noisePicture(side, 7 + picture));
        bytes += p.runs.back().image->data.size() * 2;
        doc.paragraphs.push_back(std::move(p));
    }
    unsigned seed = 1;
    while (bytes < targetBytes) {
        Paragraph p;
        p.mark = plain;
        for (int w = 0; w < 60; ++w) {
            seed = seed * 1103515245 + 12345;
            const CharFormat& f = seed % 17 == 0 ? bold : seed % 23 == 0 ? blue : plain;
            const QString word = QString::fromUtf8(words[(seed >> 8) % std::size(words)]);
            appendText(p, f, word + u' ');
            bytes += word.size() + (f.bold || f.color ? 12 : 1);
        }
        bytes += 8;
        doc.paragraphs.push_back(std::move(p));
    }
    for (int picture = 1; picture < pictures; ++picture) // the others spread through the text
        std::swap(doc.paragraphs[picture],
                  doc.paragraphs[pictureParagraph(doc.paragraphs.size(), picture, pictures)]);
    return RtfWriter::write(doc);
}

class EditorHost : public BenchHost {
public:
    EntryEditor* CreateEntryEditor() override { return editor ? editor->OpenDocument() : nullptr; }
    EntryEditorTemplate* editor = nullptr;
};

// A journal with two long entries and the editor's window maker.
class EditorBench {
public:
    EditorBench(std::size_t bytes, int pictures, int side = kSmallPicture) {
        ui.newJournalPath = dir.filePath(QStringLiteral("bench.qbk")).toStdString();
        doc.CreateJournal();
        for (std::string* id : {&first, &second}) {
            *id = "{new_entry}";
            doc.SaveEntry(entryText(bytes, pictures, side), *id);
        }
        rtfBytes = doc.LoadEntryText(first).size();
        host.editor = &editor;
    }
    ~EditorBench() { doc.CloseJournal(); }

    QTemporaryDir dir;
    BenchJournalUi ui;
    EditorHost host;
    CQBKDoc doc{ui, host};
    EntryEditorTemplate editor{doc, nullptr};
    std::string first, second;
    std::size_t rtfBytes = 0;
};

void showNow(CEntryFrame& frame) {
    frame.View().viewport()->repaint();
    QCoreApplication::processEvents();
}

// Opens the two entries in turn. The editor lays out the first screen before it shows and
// the rest in steps while it is idle; with layOutAll the rest is laid out too, inside the
// time, which gives the whole cost of showing an entry.
void openInTurn(benchmark::State& state, bool layOutAll, int pictures = 2,
                int side = kSmallPicture) {
    EditorBench bench(1024 * 1024, pictures, side);
    bool useFirst = true;
    for (auto _ : state) {
        bench.doc.OpenEntry(useFirst ? bench.first : bench.second);
        showNow(*bench.editor.Frame());
        if (layOutAll)
            benchmark::DoNotOptimize(bench.editor.Frame()->View().document()->size());
        useFirst = !useFirst;
    }
    state.counters["rtf_bytes"] = static_cast<double>(bench.rtfBytes);
}

void OpenLargeEntry(benchmark::State& state) {
    openInTurn(state, false);
}
BENCHMARK(OpenLargeEntry)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void OpenLargeEntryAndLayOutAll(benchmark::State& state) {
    openInTurn(state, true);
}
BENCHMARK(OpenLargeEntryAndLayOutAll)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void OpenEntryWithPhotos(benchmark::State& state) {
    openInTurn(state, false, 3, kPhotoPicture);
}
BENCHMARK(OpenEntryWithPhotos)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void SaveLargeEntry(benchmark::State& state) {
    EditorBench bench(1024 * 1024, 2);
    bench.doc.OpenEntry(bench.first);
    CEntryFrame& frame = *bench.editor.Frame();
    for (auto _ : state) {
        state.PauseTiming();
        frame.View().moveCursor(QTextCursor::End);
        frame.View().insertPlainText(QStringLiteral("x"));
        state.ResumeTiming();
        if (!frame.Document().OnSaveEntry())
            state.SkipWithError("the save failed");
    }
    state.counters["rtf_bytes"] = static_cast<double>(bench.rtfBytes);
}
BENCHMARK(SaveLargeEntry)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// The processor time this thread has used, in milliseconds.
double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The median and the 99th percentile of the times, as counters named after what they time.
void percentiles(benchmark::State& state, std::vector<double> times, const std::string& name) {
    if (times.empty())
        return;
    std::sort(times.begin(), times.end());
    state.counters["median_" + name] = times[times.size() / 2];
    state.counters["p99_" + name] = times[std::min(times.size() - 1, times.size() * 99 / 100)];
}

// Keystrokes at the position to the repainted view, each timed on its own, by the clock and by
// this thread's processor time (what a busy shared machine does not add).
void typeAt(benchmark::State& state, EditorBench& bench, int position) {
    CEntryFrame& frame = *bench.editor.Frame();
    CEntryView& view = frame.View();
    QTextCursor at(view.document());
    at.setPosition(position);
    view.setTextCursor(at);
    view.ensureCursorVisible();
    showNow(frame);
    std::vector<double> times;
    std::vector<double> cpuTimes;
    QElapsedTimer timer;
    for (auto _ : state) {
        const double cpuStart = threadCpuMs();
        timer.start();
        QTest::keyClick(&view, Qt::Key_A);
        view.viewport()->repaint();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        cpuTimes.push_back(threadCpuMs() - cpuStart);
    }
    // What was typed is not kept: closing the journal would otherwise ask to save it.
    view.document()->setModified(false);
    percentiles(state, times, "ms");
    percentiles(state, cpuTimes, "cpu_ms");
}

// In the middle of the text.
void KeystrokeToRepaint(benchmark::State& state) {
    EditorBench bench(200 * 1024, 0);
    bench.doc.OpenEntry(bench.first);
    typeAt(state, bench, bench.editor.Frame()->View().document()->characterCount() / 2);
}
BENCHMARK(KeystrokeToRepaint)->Unit(benchmark::kMillisecond)->Iterations(500);

// Right after the second picture, with the picture on the screen.
void KeystrokeBesidePhoto(benchmark::State& state) {
    EditorBench bench(1024 * 1024, 3, kPhotoPicture);
    bench.doc.OpenEntry(bench.first);
    const QTextDocument& text = *bench.editor.Frame()->View().document();
    const auto paragraph = pictureParagraph(static_cast<std::size_t>(text.blockCount()), 1, 3);
    const int after = text.findBlockByNumber(static_cast<int>(paragraph)).position() + 1;
    QTextCursor check(bench.editor.Frame()->View().document());
    check.setPosition(after);
    if (!check.charFormat().isImageFormat())
        state.SkipWithError("no picture before the caret");
    typeAt(state, bench, after);
}
BENCHMARK(KeystrokeBesidePhoto)->Unit(benchmark::kMillisecond)->Iterations(500);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
