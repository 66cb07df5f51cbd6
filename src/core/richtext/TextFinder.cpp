#include "richtext/TextFinder.h"

#include <algorithm>
#include <string_view>

namespace richtext {

namespace {

bool isWordCharacter(char32_t ch) {
    return QChar::isLetter(ch) || QChar::isDigit(ch);
}

// The code point that ends just before position i, or 0 at the start.
char32_t codePointBefore(QStringView text, qsizetype i) {
    if (i <= 0)
        return 0;
    const QChar low = text.at(i - 1);
    if (low.isLowSurrogate() && i >= 2 && text.at(i - 2).isHighSurrogate())
        return QChar::surrogateToUcs4(text.at(i - 2), low);
    return low.unicode();
}

// The code point that starts at position i, or 0 at the end.
char32_t codePointAt(QStringView text, qsizetype i) {
    if (i >= text.size())
        return 0;
    const QChar high = text.at(i);
    if (high.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
        return QChar::surrogateToUcs4(high, text.at(i + 1));
    return high.unicode();
}

// Every BMP unit that case folding changes, by what it folds to: the case forms of a folded
// unit are the unit itself and these. Made once; a search makes a finder per entry field.
struct FoldedUnit {
    char16_t folded;
    char16_t unit;
};

bool foldedBefore(const FoldedUnit& a, const FoldedUnit& b) {
    return a.folded < b.folded;
}

const std::vector<FoldedUnit>& unitsThatFold() {
    static const std::vector<FoldedUnit> table = [] {
        std::vector<FoldedUnit> units;
        for (char32_t unit = 0; unit <= 0xFFFF; ++unit) {
            const QChar ch(static_cast<char16_t>(unit));
            if (!ch.isSurrogate() && ch.toCaseFolded() != ch)
                units.push_back({ch.toCaseFolded().unicode(), ch.unicode()});
        }
        std::stable_sort(units.begin(), units.end(), foldedBefore);
        return units;
    }();
    return table;
}

bool holdsSurrogates(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar ch) { return ch.isSurrogate(); });
}

// How common a character is in text, roughly: spaces and the frequent letters of Latin
// script first; the scan anchors on the needle's rarest character, which gives the fewest
// places to compare.
int commonness(QChar ch) {
    static constexpr std::string_view kByFrequency = " etaoinshrdlcumwfgypbvkjxqz";
    const char16_t folded = ch.toCaseFolded().unicode();
    const std::size_t rank =
        folded < 0x80 ? kByFrequency.find(static_cast<char>(folded)) : std::string_view::npos;
    return rank == std::string_view::npos ? -1 : static_cast<int>(kByFrequency.size() - rank);
}

} // namespace

TextFinder::TextFinder(const QString& needle, bool matchCase, bool wholeWord)
    : m_needle(needle), m_matchCase(matchCase), m_wholeWord(wholeWord) {
    if (m_needle.isEmpty() || holdsSurrogates(m_needle))
        return;
    for (qsizetype i = 1; i < m_needle.size(); ++i) {
        if (commonness(m_needle.at(i)) < commonness(m_needle.at(m_anchor)))
            m_anchor = i;
    }
    const QChar anchor = m_needle.at(m_anchor);
    if (m_matchCase) {
        m_anchorForms.push_back(anchor);
        return;
    }
    // Folding maps a unit outside the surrogates to one unit; a match can hold no surrogate
    // then, so comparing equal-length windows is what Qt's case-insensitive search does.
    const QChar folded = anchor.toCaseFolded();
    if (folded.toCaseFolded() != folded)
        return; // not a fixed point: leave it to Qt
    m_anchorForms.push_back(folded);
    const std::vector<FoldedUnit>& table = unitsThatFold();
    const auto [first, last] =
        std::equal_range(table.begin(), table.end(), FoldedUnit{folded.unicode(), 0}, foldedBefore);
    for (auto it = first; it != last; ++it)
        m_anchorForms.push_back(QChar(it->unit));
    if (m_anchorForms.size() > kMaxForms)
        m_anchorForms.clear();
}

qsizetype TextFinder::nextMatch(QStringView haystack, qsizetype from, NextForms& next) const {
    const Qt::CaseSensitivity cs = m_matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    if (m_anchorForms.empty())
        return haystack.indexOf(m_needle, from, cs);
    const qsizetype starts = haystack.size() - m_needle.size() + 1; // places a match can start
    if (starts <= 0)
        return -1;
    // Where the anchor character of a match starting in range can stand.
    const QStringView anchors = haystack.sliced(m_anchor, starts);
    while (true) {
        // Each form's next place is kept until passed, so no stretch is scanned twice.
        qsizetype at = -1;
        for (std::size_t k = 0; k < m_anchorForms.size(); ++k) {
            if (next[k] != kNone && next[k] < from)
                next[k] = anchors.indexOf(m_anchorForms[k], from);
            if (next[k] != kNone && (at < 0 || next[k] < at))
                at = next[k];
        }
        if (at < 0)
            return -1;
        if (haystack.sliced(at, m_needle.size()).compare(m_needle, cs) == 0)
            return at;
        from = at + 1;
    }
}

qsizetype TextFinder::find(QStringView haystack) const {
    if (m_needle.isEmpty())
        return -1;
    NextForms next;
    next.fill(-2); // not looked for yet
    for (qsizetype at = nextMatch(haystack, 0, next); at >= 0;
         at = nextMatch(haystack, at + 1, next)) {
        if (!m_wholeWord)
            return at;
        if (!isWordCharacter(codePointBefore(haystack, at)) &&
            !isWordCharacter(codePointAt(haystack, at + m_needle.size())))
            return at;
    }
    return -1;
}

} // namespace richtext
