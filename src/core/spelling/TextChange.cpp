#include "core/spelling/TextChange.h"

#include <algorithm>

namespace spelling {

TextChange replaceWord(qsizetype wordStart, QStringView word, QStringView replacement) {
    const qsizetype shorter = std::min(word.size(), replacement.size());
    qsizetype prefix = 0;
    while (prefix < shorter && word[prefix] == replacement[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           word[word.size() - 1 - suffix] == replacement[replacement.size() - 1 - suffix])
        ++suffix;
    TextChange change;
    change.start = wordStart + prefix;
    change.removed = word.size() - prefix - suffix;
    change.inserted = replacement.mid(prefix, replacement.size() - prefix - suffix).toString();
    if (change.removed > 0 || word.isEmpty())
        change.formatFrom = change.start;
    else // a pure insertion: the letter before it, or the word's first letter
        change.formatFrom = prefix > 0 ? change.start - 1 : change.start;
    return change;
}

namespace {

bool isParagraphEnd(QChar c) {
    return c == u'\n' || c == QChar(0x2029) || c == u'\r';
}

QString flattened(QStringView text) {
    QString flat = text.toString();
    for (QChar& c : flat) {
        if (c.isSpace())
            c = u' ';
    }
    return flat;
}

} // namespace

WordInContext wordInContext(QStringView text, qsizetype start, qsizetype length, qsizetype around) {
    qsizetype from = start;
    while (from > 0 && start - from < around && !isParagraphEnd(text[from - 1]))
        --from;
    qsizetype to = start + length;
    while (to < text.size() && to - start - length < around && !isParagraphEnd(text[to]))
        ++to;
    // Whole words only at the cut ends, unless a single word is that long.
    if (from > 0 && !isParagraphEnd(text[from - 1])) {
        const qsizetype space = text.mid(from, start - from).indexOf(u' ');
        if (space >= 0)
            from += space + 1;
    }
    if (to < text.size() && !isParagraphEnd(text[to])) {
        const qsizetype space = text.mid(start + length, to - start - length).lastIndexOf(u' ');
        if (space >= 0)
            to = start + length + space;
    }
    return {flattened(text.mid(from, start - from)), text.mid(start, length).toString(),
            flattened(text.mid(start + length, to - start - length))};
}

} // namespace spelling
