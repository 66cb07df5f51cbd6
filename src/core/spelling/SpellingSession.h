#pragma once

#include "core/spelling/TextChange.h"
#include "core/spelling/WordSplitter.h"

#include <QHash>
#include <QString>
#include <optional>
#include <vector>

class SpellingService;

// Where the session's corrections go: the editor's document, or a string in the tests.
class SpellTextSink {
public:
    virtual ~SpellTextSink() = default;
    virtual void apply(const spelling::TextChange& change) = 0;
};

// One check of a text, word by word: from the word at the start position to the end, then
// from the beginning back to where it started, so the whole text is gone through once.
//
// The session keeps its own copy of the text and makes every correction both there and
// through the sink, so the positions it reports stay right after replacements of another
// length.
class SpellingSession {
public:
    using WordSpan = spelling::WordSpan;
    using TextChange = spelling::TextChange;
    using WordInContext = spelling::WordInContext;

    SpellingSession(SpellingService& words, QString text, qsizetype start, SpellTextSink& sink);

    // Moves to the next misspelt word, making "Change All" replacements on the way. False
    // when the whole text has been gone through.
    bool findNext();

    // The misspelt word found last.
    const QString& word() const { return m_word; }
    qsizetype wordStart() const { return m_wordStart; }
    const QString& text() const { return m_text; }
    WordInContext context(qsizetype around) const;
    QStringList suggestions(int most) const;

    // The answers to the word found; each moves past it (call findNext after).
    void ignore();
    void ignoreAll();
    void change(const QString& replacement);
    void changeAll(const QString& replacement);
    // Adds the word to the dictionary; returns why the personal list could not keep it.
    std::optional<QString> add();

    // Characters the corrections have added (negative: removed) so far.
    qsizetype growth() const { return m_growth; }

private:
    WordSpan currentSpan() const;
    void replaceCurrent(const QString& replacement);

    SpellingService& m_words;
    QString m_text;
    SpellTextSink& m_sink;
    std::vector<WordSpan> m_spans; // where the words were before any change
    std::size_t m_first = 0;       // the first word checked
    std::size_t m_visited = 0;     // words gone through, counted from m_first with wrap-around
    qsizetype m_shift = 0;         // what changes before the current word moved it by
    qsizetype m_growth = 0;
    QHash<QString, QString> m_changeAll;
    QString m_word;
    qsizetype m_wordStart = -1;
};
