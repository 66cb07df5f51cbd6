#include "core/spelling/SpellingSession.h"

#include "core/spelling/SpellingService.h"

#include <algorithm>

SpellingSession::SpellingSession(SpellingService& words, QString text, qsizetype start,
                                 SpellTextSink& sink)
    : m_words(words), m_text(std::move(text)), m_sink(sink), m_spans(spelling::splitWords(m_text)) {
    const auto first = std::find_if(m_spans.begin(), m_spans.end(),
                                    [start](const WordSpan& span) { return span.end() > start; });
    m_first = static_cast<std::size_t>(first - m_spans.begin());
    if (m_first == m_spans.size())
        m_first = 0;
}

SpellingSession::WordSpan SpellingSession::currentSpan() const {
    const WordSpan span = m_spans[(m_first + m_visited) % m_spans.size()];
    return {span.start + m_shift, span.length};
}

bool SpellingSession::findNext() {
    m_word.clear();
    m_wordStart = -1;
    while (m_visited < m_spans.size()) {
        // Wrapping to the beginning: the changes made so far all lie after the words ahead.
        if (m_first > 0 && m_first + m_visited == m_spans.size())
            m_shift = 0;
        const WordSpan span = currentSpan();
        const QString word = m_text.mid(span.start, span.length);
        const auto changeTo = m_changeAll.constFind(word);
        if (changeTo != m_changeAll.constEnd()) {
            replaceCurrent(*changeTo);
            continue;
        }
        if (m_words.isMisspelt(word)) {
            m_word = word;
            m_wordStart = span.start;
            return true;
        }
        ++m_visited;
    }
    return false;
}

SpellingSession::WordInContext SpellingSession::context(qsizetype around) const {
    return spelling::wordInContext(m_text, m_wordStart, m_word.size(), around);
}

QStringList SpellingSession::suggestions(int most) const {
    return m_words.suggestions(m_word, most);
}

void SpellingSession::ignore() {
    ++m_visited;
}

void SpellingSession::ignoreAll() {
    m_words.ignoreAll(m_word);
    ++m_visited;
}

void SpellingSession::change(const QString& replacement) {
    replaceCurrent(replacement);
}

void SpellingSession::changeAll(const QString& replacement) {
    m_changeAll.insert(m_word, replacement);
    replaceCurrent(replacement);
}

std::optional<QString> SpellingSession::add() {
    auto problem = m_words.addToDictionary(m_word);
    ++m_visited;
    return problem;
}

void SpellingSession::replaceCurrent(const QString& replacement) {
    const WordSpan span = currentSpan();
    const QStringView word = QStringView(m_text).mid(span.start, span.length);
    if (word != replacement) {
        const TextChange change = spelling::replaceWord(span.start, word, replacement);
        m_text.replace(change.start, change.removed, change.inserted);
        m_sink.apply(change);
        const qsizetype delta = replacement.size() - span.length;
        m_shift += delta;
        m_growth += delta;
    }
    ++m_visited;
}
