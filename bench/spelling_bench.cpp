// Spelling on a long entry (200 KB of RTF): a full check that stops nowhere, from the
// document's text to the end of the text, and the cost underlining as you type adds to a
// keystroke in the editor, from the key to the repainted view.

#include "bench/support/EntryTextMaker.h"
#include "bench/support/GoalSummary.h"
#include "core/spelling/DictionaryCatalog.h"
#include "core/spelling/SpellingService.h"
#include "core/spelling/SpellingSession.h"
#include "core/spelling/WordSplitter.h"
#include "gui/editor/CWSpell.h"
#include "gui/editor/SpellHighlighter.h"
#include "render/RtfDocumentAdapter.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

constexpr std::size_t kEntryBytes = 200 * 1024;

struct NoSink : SpellTextSink {
    void apply(const spelling::TextChange&) override { std::abort(); } // nothing may change
};

// The en_US dictionary; the benchmark is skipped when it is not installed.
std::unique_ptr<CWSpell> englishDictionary(benchmark::State& state) {
    for (const auto& dictionary : spelling::findDictionaries(spelling::dictionaryFolders())) {
        if (dictionary.name == QStringLiteral("en_US"))
            return CWSpell::open(dictionary);
    }
    state.SkipWithError("no en_US Hunspell dictionary (install hunspell-en-us)");
    return nullptr;
}

// The long entry, loaded as the editor loads it.
const std::string& entryRtf() {
    static const std::string rtf = EntryTextMaker(7).rtf(kEntryBytes);
    return rtf;
}

// The words the dictionary does not know are ignored, so the check stops nowhere.
QStringList unknownWords(SpellChecker& checker, const QString& text) {
    QStringList unknown;
    for (const auto& span : spelling::splitWords(text)) {
        const QString word = text.mid(span.start, span.length);
        if (!unknown.contains(word) && !checker.isCorrect(word))
            unknown.push_back(word);
    }
    return unknown;
}

void BM_FullCheckStopsNowhere(benchmark::State& state) {
    auto checker = englishDictionary(state);
    if (!checker)
        return;
    QTextDocument document;
    RtfDocumentAdapter::setEntryText(document, entryRtf());
    const QStringList ignored = unknownWords(*checker, document.toPlainText());
    QTemporaryDir dir;
    for (auto _ : state) {
        // A fresh service each time: nothing remembered from an earlier check.
        SpellingService words(*checker, PersonalWordList(dir.filePath(QStringLiteral("none.txt"))));
        for (const QString& word : ignored)
            words.ignoreAll(word);
        NoSink sink;
        SpellingSession session(words, document.toPlainText(), 0, sink);
        if (session.findNext())
            state.SkipWithError("the check stopped");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(entryRtf().size()));
    state.counters["ignored words"] = static_cast<double>(ignored.size());
}

// The worst case: 200 KB of words, nearly all different (the dictionary's own stems), so
// hardly an answer comes from memory and Hunspell is asked about each.
void BM_FullCheckDistinctWords(benchmark::State& state) {
    auto checker = englishDictionary(state);
    if (!checker)
        return;
    QFile file(checker->dictionary().wordsPath);
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("the dictionary's word file cannot be read");
        return;
    }
    QString text;
    file.readLine(); // the word count
    while (text.size() < static_cast<qsizetype>(kEntryBytes) && !file.atEnd()) {
        const QString word = QString::fromUtf8(file.readLine()).section(u'/', 0, 0).trimmed();
        const auto spans = spelling::splitWords(word);
        if (spans.size() == 1 && spans[0].length == word.size() && checker->isCorrect(word))
            text += word + (text.size() % 97 < 8 ? u'\n' : u' ');
    }
    QTemporaryDir dir;
    for (auto _ : state) {
        SpellingService words(*checker, PersonalWordList(dir.filePath(QStringLiteral("none.txt"))));
        NoSink sink;
        SpellingSession session(words, text, 0, sink);
        if (session.findNext())
            state.SkipWithError("the check stopped");
    }
    state.SetBytesProcessed(state.iterations() * text.size());
    state.counters["words"] = static_cast<double>(spelling::splitWords(text).size());
}

// One key typed in the middle of the long entry and the view repainted; arg 1 underlines.
void BM_Keystroke(benchmark::State& state) {
    auto checker = englishDictionary(state);
    if (!checker)
        return;
    QTemporaryDir dir;
    SpellingService words(*checker, PersonalWordList(dir.filePath(QStringLiteral("none.txt"))));
    QTextEdit editor;
    editor.resize(900, 700);
    SpellHighlighter highlighter(editor.document());
    RtfDocumentAdapter::setEntryText(*editor.document(), entryRtf());
    if (state.range(0) != 0)
        highlighter.setService(&words);
    editor.show();
    QCoreApplication::processEvents();
    QTextCursor middle(editor.document());
    middle.setPosition(editor.document()->characterCount() / 2);
    editor.setTextCursor(middle);
    editor.ensureCursorVisible();
    editor.viewport()->repaint();
    int typed = 0;
    for (auto _ : state) {
        // Type a word and take it back, so the text stays the same size.
        if (typed++ % 8 < 4)
            QTest::keyClick(editor.viewport(), Qt::Key_X);
        else
            QTest::keyClick(editor.viewport(), Qt::Key_Backspace);
        QCoreApplication::processEvents();
        editor.viewport()->repaint();
    }
}

} // namespace

BENCHMARK(BM_FullCheckStopsNowhere)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(BM_FullCheckDistinctWords)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(BM_Keystroke)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    GoalSummary reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto print = [&](const char* what, const std::string& name, double goal) {
        if (const auto ms = reporter.millis(name))
            std::printf("%-52s %8.2f ms   goal %6.1f ms\n", what, *ms, goal);
    };
    std::printf("\nMedians against their goals\n");
    print("full check of a 200 KB entry, stopping nowhere", "BM_FullCheckStopsNowhere", 150);
    print("the same with 200 KB of different words", "BM_FullCheckDistinctWords", 150);
    const auto plain = reporter.millis("BM_Keystroke/0");
    const auto underlined = reporter.millis("BM_Keystroke/1");
    if (plain && underlined)
        std::printf("%-52s %8.2f ms   (%.2f plain, %.2f underlining; goal +2.0 ms)\n",
                    "keystroke to repaint, added by underlining", *underlined - *plain, *plain,
                    *underlined);
    benchmark::Shutdown();
    return 0;
}
