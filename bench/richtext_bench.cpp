// RTF to plain text, as the journal search and the derived description run it, on entries of
// the size people write (2 KB) and of a long one (200 KB); the reader and writer on their
// own; and an entry shown in a QTextDocument and taken back, as the editor does.

#include "core/richtext/RtfReader.h"
#include "core/richtext/RtfWriter.h"
#include "core/store/CHiddenRichEdit.h"

#include <benchmark/benchmark.h>

#include "render/RtfDocumentAdapter.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QTextDocument>

namespace {

// An entry as the Windows control writes it: paragraphs of prose with some bold and italic
// words, accented letters and the odd character outside Windows-1252.
richtext::RichDocument makeModel(size_t targetBytes) {
    using namespace richtext;
    static const char* const words[] = {"morning", "the", "caf\u00e9",  "walked", "river",
                                        "and",     "we",  "na\u00efve", "light",  "\u0142ad",
                                        "quiet",   "of",  "garden",     "later",  "\u2014"};
    CharFormat plain;
    plain.face = QStringLiteral("Calibri");
    plain.halfPoints = 22;
    CharFormat bold = plain;
    bold.bold = true;
    CharFormat italic = plain;
    italic.italic = true;
    italic.color = 0x1F497D;

    RichDocument doc;
    unsigned seed = 1;
    std::string rtf;
    // Grow by doubling the paragraph count, so building the sample stays cheap.
    for (size_t count = 1; rtf.size() < targetBytes; count *= 2) {
        while (doc.paragraphs.size() < count) {
            Paragraph p;
            p.mark = plain;
            for (int w = 0; w < 60; ++w) {
                seed = seed * 1103515245 + 12345;
                const CharFormat& f = seed % 17 == 0 ? bold : seed % 23 == 0 ? italic : plain;
                appendText(p, f, QString::fromUtf8(words[(seed >> 8) % std::size(words)]) + u' ');
            }
            doc.paragraphs.push_back(std::move(p));
        }
        rtf = RtfWriter::write(doc);
    }
    // Some paragraphs as lists, some justified and indented.
    for (size_t i = 0; i < doc.paragraphs.size(); ++i) {
        Paragraph& p = doc.paragraphs[i];
        if (i % 5 == 1) {
            p.layout.list.emplace();
            p.layout.list->font = QStringLiteral("Symbol");
            p.layout.list->before = QStringLiteral(u"\u00b7");
            p.layout.leftIndent = 720;
            p.layout.firstIndent = -360;
        } else if (i % 5 == 3) {
            p.alignment = Alignment::Justify;
            p.layout.spaceAfter = 200;
        }
    }
    return doc;
}

std::string makeEntry(size_t targetBytes) {
    return richtext::RtfWriter::write(makeModel(targetBytes));
}

void readRtf(benchmark::State& state) {
    const std::string rtf = makeEntry(static_cast<size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(richtext::RtfReader::read(rtf));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(rtf.size()));
}
BENCHMARK(readRtf)->Arg(200 * 1024);

void writeRtf(benchmark::State& state) {
    const std::string rtf = makeEntry(static_cast<size_t>(state.range(0)));
    const richtext::RichDocument model = richtext::RtfReader::read(rtf);
    for (auto _ : state)
        benchmark::DoNotOptimize(richtext::RtfWriter::write(model));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(rtf.size()));
}
BENCHMARK(writeRtf)->Arg(200 * 1024);

// A 1 MB entry with two pictures (a photo-sized PNG and a small one).
richtext::RichDocument largeEntryWithPictures() {
    using namespace richtext;
    constexpr size_t kTarget = 1024 * 1024;
    RichDocument model = makeModel(kTarget);
    // The sample grows by doubling; cut it back to about the target.
    const size_t size = RtfWriter::write(model).size();
    model.paragraphs.resize(model.paragraphs.size() * kTarget / size);
    for (const int size : {800, 64}) {
        QImage picture(size, size * 3 / 4, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        Image image;
        QBuffer buffer(&image.data);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");
        image.widthPixels = picture.width();
        image.heightPixels = picture.height();
        image.widthTwips = picture.width() * 15;
        image.heightTwips = picture.height() * 15;
        appendImage(model.paragraphs[model.paragraphs.size() / (size == 800 ? 3 : 2)], image);
    }
    return model;
}

void modelToDocument(benchmark::State& state) {
    const richtext::RichDocument model = largeEntryWithPictures();
    QTextDocument document;
    for (auto _ : state)
        RtfDocumentAdapter::toDocument(model, document);
    state.counters["rtf_bytes"] = static_cast<double>(richtext::RtfWriter::write(model).size());
}
BENCHMARK(modelToDocument)->Unit(benchmark::kMillisecond);

void documentToModel(benchmark::State& state) {
    QTextDocument document;
    RtfDocumentAdapter::toDocument(largeEntryWithPictures(), document);
    for (auto _ : state)
        benchmark::DoNotOptimize(RtfDocumentAdapter::fromDocument(document));
}
BENCHMARK(documentToModel)->Unit(benchmark::kMillisecond);

void streamOutPlainText(benchmark::State& state) {
    const std::string rtf = makeEntry(static_cast<size_t>(state.range(0)));
    CHiddenRichEdit edit;
    for (auto _ : state) {
        edit.StreamInText(CHiddenRichEdit::SF_RTF, rtf);
        benchmark::DoNotOptimize(edit.StreamOutText());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(rtf.size()));
    state.counters["rtf_bytes"] = static_cast<double>(rtf.size());
}
BENCHMARK(streamOutPlainText)->Arg(2 * 1024)->Arg(200 * 1024);

void findInText(benchmark::State& state) {
    const std::string rtf = makeEntry(static_cast<size_t>(state.range(0)));
    CHiddenRichEdit edit;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            edit.FindInText(CHiddenRichEdit::SF_RTF, false, true, rtf, QStringLiteral("absent")));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(rtf.size()));
}
BENCHMARK(findInText)->Arg(2 * 1024)->Arg(200 * 1024);

// What the search cache keeps of each entry: the shown text, read without the model.
void shownText(benchmark::State& state) {
    const std::string rtf = makeEntry(static_cast<size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(CHiddenRichEdit::ShownText(CHiddenRichEdit::SF_RTF, rtf));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(rtf.size()));
}
BENCHMARK(shownText)->Arg(2 * 1024)->Arg(200 * 1024);

} // namespace

int main(int argc, char** argv) {
    // The document adapter needs a GUI application for fonts and images; no display is used.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
