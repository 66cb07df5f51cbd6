#include "editor/SpellHighlighter.h"

#include "spelling/SpellingService.h"
#include "spelling/WordSplitter.h"

SpellHighlighter::SpellHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {}

QTextCharFormat SpellHighlighter::misspeltFormat() {
    QTextCharFormat format;
    format.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    format.setUnderlineColor(QColor(0xd0, 0x10, 0x10));
    return format;
}

void SpellHighlighter::setService(SpellingService* words) {
    if (words == m_words)
        return;
    disconnect(m_changed);
    m_words = words;
    if (words)
        m_changed =
            connect(words, &SpellingService::wordsChanged, this, &QSyntaxHighlighter::rehighlight);
    rehighlight();
}

void SpellHighlighter::highlightBlock(const QString& text) {
    if (!m_words)
        return;
    static const QTextCharFormat misspelt = misspeltFormat();
    for (const auto& span : spelling::splitWords(text)) {
        if (m_words->isMisspelt(text.mid(span.start, span.length)))
            setFormat(static_cast<int>(span.start), static_cast<int>(span.length), misspelt);
    }
}
