// RTF to plain text, as the journal search and the derived description run it, on entries of
// the size people write (2 KB) and of a long one (200 KB).

#include "richtext/RtfWriter.h"
#include "store/CHiddenRichEdit.h"

#include <benchmark/benchmark.h>

namespace {

// An entry as the Windows control writes it: paragraphs of prose with some bold and italic
// words, accented letters and the odd character outside Windows-1252.
std::string makeEntry(size_t targetBytes) {
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
    return rtf;
}

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

BENCHMARK_MAIN();
