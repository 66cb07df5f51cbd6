#include "richtext/TextFinder.h"

namespace richtext {

namespace {

bool isWordCharacter(char32_t ch) {
    return QChar::isLetter(ch) || QChar::isDigit(ch);
}

// The code point that ends just before position i, or 0 at the start.
char32_t codePointBefore(const QString& text, qsizetype i) {
    if (i <= 0)
        return 0;
    const QChar low = text.at(i - 1);
    if (low.isLowSurrogate() && i >= 2 && text.at(i - 2).isHighSurrogate())
        return QChar::surrogateToUcs4(text.at(i - 2), low);
    return low.unicode();
}

// The code point that starts at position i, or 0 at the end.
char32_t codePointAt(const QString& text, qsizetype i) {
    if (i >= text.size())
        return 0;
    const QChar high = text.at(i);
    if (high.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
        return QChar::surrogateToUcs4(high, text.at(i + 1));
    return high.unicode();
}

} // namespace

qsizetype findText(const QString& haystack, const QString& needle, bool matchCase, bool wholeWord) {
    if (needle.isEmpty())
        return -1;
    const Qt::CaseSensitivity cs = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (qsizetype at = haystack.indexOf(needle, 0, cs); at >= 0;
         at = haystack.indexOf(needle, at + 1, cs)) {
        if (!wholeWord)
            return at;
        if (!isWordCharacter(codePointBefore(haystack, at)) &&
            !isWordCharacter(codePointAt(haystack, at + needle.size())))
            return at;
    }
    return -1;
}

} // namespace richtext
