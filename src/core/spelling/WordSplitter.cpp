#include "core/spelling/WordSplitter.h"

#include <algorithm>

namespace spelling {
namespace {

// The character starting at the index, surrogate pairs joined.
char32_t codeAt(QStringView text, qsizetype i, qsizetype* width) {
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        *width = 2;
        return QChar::surrogateToUcs4(c, text[i + 1]);
    }
    *width = 1;
    return c.unicode();
}

bool isSpace(QChar c) {
    return c.isSpace() || c == QChar(0xFFFC); // pictures separate words like spaces do
}

bool isWordCode(char32_t code) {
    return QChar::isLetterOrNumber(code) || QChar::isMark(code);
}

bool isApostrophe(QChar c) {
    return c == u'\'' || c == QChar(0x2019);
}

bool startsWithNoCase(QStringView text, QStringView prefix) {
    return text.startsWith(prefix, Qt::CaseInsensitive);
}

// A space-delimited stretch that is a web or mail address, after any opening punctuation.
bool isAddress(QStringView chunk) {
    qsizetype lead = 0;
    while (lead < chunk.size() && !chunk[lead].isLetterOrNumber())
        ++lead;
    const QStringView body = chunk.mid(lead);
    if (body.contains(u"://") || startsWithNoCase(body, u"www.") ||
        startsWithNoCase(body, u"mailto:"))
        return true;
    const qsizetype at = body.indexOf(u'@');
    if (at <= 0)
        return false;
    const qsizetype dot = body.indexOf(u'.', at + 2);
    return dot > at + 1 && dot + 1 < body.size() && body[dot + 1].isLetterOrNumber();
}

// Calls the visitor with each checkable word of one chunk until it returns true.
template <typename Visit>
bool visitChunk(QStringView text, qsizetype begin, qsizetype end, Visit&& visit) {
    if (isAddress(text.mid(begin, end - begin)))
        return false;
    qsizetype i = begin;
    while (i < end) {
        qsizetype width = 1;
        if (!isWordCode(codeAt(text, i, &width))) {
            i += width;
            continue;
        }
        const qsizetype start = i;
        bool digit = false;
        while (i < end) {
            const char32_t code = codeAt(text, i, &width);
            if (isWordCode(code)) {
                digit = digit || QChar::isDigit(code) || QChar::isNumber(code);
                i += width;
                continue;
            }
            qsizetype next = 1;
            if (isApostrophe(text[i]) && i + 1 < end &&
                QChar::isLetter(codeAt(text, i + 1, &next))) {
                i += 1;
                continue;
            }
            break;
        }
        if (!digit && visit(WordSpan{start, i - start}))
            return true;
    }
    return false;
}

// Calls the visitor with each word from the chunk holding the position on.
template <typename Visit> void visitWords(QStringView text, qsizetype from, Visit&& visit) {
    qsizetype begin = from;
    while (begin > 0 && !isSpace(text[begin - 1]))
        --begin;
    while (begin < text.size()) {
        while (begin < text.size() && isSpace(text[begin]))
            ++begin;
        qsizetype end = begin;
        while (end < text.size() && !isSpace(text[end]))
            ++end;
        if (begin < end && visitChunk(text, begin, end, visit))
            return;
        begin = end;
    }
}

} // namespace

std::vector<WordSpan> splitWords(QStringView text) {
    std::vector<WordSpan> words;
    visitWords(text, 0, [&](WordSpan word) {
        words.push_back(word);
        return false;
    });
    return words;
}

std::optional<WordSpan> wordAtOrAfter(QStringView text, qsizetype position) {
    std::optional<WordSpan> found;
    position = std::clamp<qsizetype>(position, 0, text.size());
    visitWords(text, position, [&](WordSpan word) {
        if (word.end() <= position)
            return false;
        found = word;
        return true;
    });
    return found;
}

} // namespace spelling
