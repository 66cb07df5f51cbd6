#include "core/richtext/TextFinder.h"

#include <QLatin1StringView>
#include <algorithm>
#include <array>
#include <bit>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

char32_t codePointBefore(QLatin1StringView text, qsizetype i) {
    return i <= 0 ? 0 : text.at(i - 1).unicode();
}

char32_t codePointAt(QLatin1StringView text, qsizetype i) {
    return i >= text.size() ? 0 : text.at(i).unicode();
}

// Case folding of every UTF-16 unit (surrogates stay themselves, so they never equal a
// folded unit outside them), and the units folding changes sorted by what they fold to: the
// case forms of a folded unit are the unit itself and those. Made once per program.
struct FoldedUnit {
    char16_t folded;
    char16_t unit;
};

bool foldedBefore(const FoldedUnit& a, const FoldedUnit& b) {
    return a.folded < b.folded;
}

struct FoldTable {
    std::array<char16_t, 0x10000> fold{};
    std::vector<FoldedUnit> changed;
};

const FoldTable& foldTable() {
    static const FoldTable table = [] {
        FoldTable t;
        for (char32_t unit = 0; unit <= 0xFFFF; ++unit) {
            const QChar ch(static_cast<char16_t>(unit));
            t.fold[unit] = ch.isSurrogate() ? ch.unicode() : ch.toCaseFolded().unicode();
            if (t.fold[unit] != unit)
                t.changed.push_back({t.fold[unit], ch.unicode()});
        }
        std::stable_sort(t.changed.begin(), t.changed.end(), foldedBefore);
        return t;
    }();
    return table;
}

// The code units of the two kinds of text: UTF-16 and Latin-1 (one byte a character).
const char16_t* unitsOf(QStringView text) {
    return text.utf16();
}
const unsigned char* unitsOf(QLatin1StringView text) {
    return reinterpret_cast<const unsigned char*>(text.data());
}

#if defined(__SSE2__)
__m128i broadcast(char16_t unit, const char16_t*) {
    return _mm_set1_epi16(static_cast<short>(unit));
}
__m128i broadcast(char16_t unit, const unsigned char*) {
    return _mm_set1_epi8(static_cast<char>(unit));
}
__m128i equalUnits(__m128i a, __m128i b, const char16_t*) {
    return _mm_cmpeq_epi16(a, b);
}
__m128i equalUnits(__m128i a, __m128i b, const unsigned char*) {
    return _mm_cmpeq_epi8(a, b);
}
#endif

// The first place from `from` on where the text holds any of the units (all of which fit the
// text's unit type): one pass over the text whatever their number, up to four compared at
// once 16 bytes at a time where SSE2 is there (a unit repeated in the slots compares the same).
template <typename Unit>
qsizetype firstOfAny(const Unit* data, qsizetype size, qsizetype from,
                     const std::vector<char16_t>& units) {
    qsizetype i = from;
#if defined(__SSE2__)
    if (!units.empty() && units.size() <= 4) {
        constexpr qsizetype kStep = 16 / sizeof(Unit);
        const auto slot = [&](std::size_t k) {
            return broadcast(units[std::min(k, units.size() - 1)], data);
        };
        const __m128i u0 = slot(0), u1 = slot(1), u2 = slot(2), u3 = slot(3);
        for (; i + kStep <= size; i += kStep) {
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
            const __m128i hit = _mm_or_si128(
                _mm_or_si128(equalUnits(block, u0, data), equalUnits(block, u1, data)),
                _mm_or_si128(equalUnits(block, u2, data), equalUnits(block, u3, data)));
            if (const int mask = _mm_movemask_epi8(hit))
                return i + std::countr_zero(static_cast<unsigned>(mask)) / qsizetype(sizeof(Unit));
        }
    }
#endif
    for (; i < size; ++i) {
        if (std::find(units.begin(), units.end(), data[i]) != units.end())
            return i;
    }
    return -1;
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
        m_anchorForms.push_back(anchor.unicode());
    } else {
        // Folding maps a unit outside the surrogates to one unit; a match can hold no
        // surrogate then, so comparing equal-length windows unit by unit is what Qt's
        // case-insensitive search does.
        const FoldTable& table = foldTable();
        const char16_t folded = table.fold[anchor.unicode()];
        if (table.fold[folded] != folded)
            return; // not a fixed point: leave it to Qt
        for (const QChar ch : m_needle)
            m_folded.push_back(table.fold[ch.unicode()]);
        m_anchorForms.push_back(folded);
        const auto [first, last] = std::equal_range(table.changed.begin(), table.changed.end(),
                                                    FoldedUnit{folded, 0}, foldedBefore);
        for (auto it = first; it != last; ++it)
            m_anchorForms.push_back(it->unit);
    }
    if (m_anchorForms.size() > kMaxForms)
        m_anchorForms.clear();
    for (const char16_t form : m_anchorForms) {
        if (form < 0x100)
            m_latin1AnchorForms.push_back(form);
    }
}

template <typename View> bool TextFinder::matchesAt(View haystack, qsizetype at) const {
    const auto* const window = unitsOf(haystack) + at;
    const qsizetype size = m_needle.size();
    const char16_t* const needle = QStringView(m_needle).utf16();
    if (m_matchCase)
        return std::equal(window, window + size, needle);
    const std::array<char16_t, 0x10000>& fold = foldTable().fold;
    for (qsizetype i = 0; i < size; ++i) {
        if (fold[window[i]] != m_folded[static_cast<std::size_t>(i)])
            return false;
    }
    return true;
}

template <typename View>
qsizetype TextFinder::nextMatch(View haystack, qsizetype from,
                                const std::vector<char16_t>& forms) const {
    const qsizetype starts = haystack.size() - m_needle.size() + 1; // places a match can start
    if (starts <= 0)
        return -1;
    while (true) {
        // The anchor of a match starting at `at` stands at at + m_anchor.
        const qsizetype at = firstOfAny(unitsOf(haystack) + m_anchor, starts, from, forms);
        if (at < 0)
            return -1;
        if (matchesAt(haystack, at))
            return at;
        from = at + 1;
    }
}

template <typename View>
qsizetype TextFinder::findIn(View haystack, const std::vector<char16_t>& forms) const {
    for (qsizetype at = nextMatch(haystack, 0, forms); at >= 0;
         at = nextMatch(haystack, at + 1, forms)) {
        if (!m_wholeWord)
            return at;
        if (!isWordCharacter(codePointBefore(haystack, at)) &&
            !isWordCharacter(codePointAt(haystack, at + m_needle.size())))
            return at;
    }
    return -1;
}

qsizetype TextFinder::find(QStringView haystack) const {
    if (m_needle.isEmpty())
        return -1;
    if (m_anchorForms.empty()) {
        // Qt's own search, for needles this finder does not take apart.
        const Qt::CaseSensitivity cs = m_matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
        for (qsizetype at = haystack.indexOf(m_needle, 0, cs); at >= 0;
             at = haystack.indexOf(m_needle, at + 1, cs)) {
            if (!m_wholeWord || (!isWordCharacter(codePointBefore(haystack, at)) &&
                                 !isWordCharacter(codePointAt(haystack, at + m_needle.size()))))
                return at;
        }
        return -1;
    }
    return findIn(haystack, m_anchorForms);
}

qsizetype TextFinder::find(QLatin1StringView haystack) const {
    if (m_needle.isEmpty())
        return -1;
    if (m_anchorForms.empty())
        return find(QStringView(QString(haystack)));
    return findIn(haystack, m_latin1AnchorForms);
}

} // namespace richtext
