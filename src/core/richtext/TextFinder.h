#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringView>
#include <vector>

namespace richtext {

// Finds needle in haystack from the start, as the rich-edit control's find does: case folded
// character by character unless matchCase; with wholeWord, the characters on both sides of a
// match must not be letters or digits (the ends of the text count as boundaries). An empty
// needle finds nothing. Returns the position (UTF-16 units) or -1.
//
// Made once for many haystacks (a search over every entry): the scan looks for the needle's
// rarest character, in all its case forms at once unless matchCase, and compares the whole
// needle only where one stands.
class TextFinder {
public:
    TextFinder(const QString& needle, bool matchCase, bool wholeWord);

    qsizetype find(QStringView haystack) const;
    // The same on text whose every character is below U+0100, held one byte a character.
    qsizetype find(QLatin1StringView haystack) const;

private:
    static constexpr std::size_t kMaxForms = 8;
    template <typename View>
    qsizetype findIn(View haystack, const std::vector<char16_t>& forms) const;
    template <typename View>
    qsizetype nextMatch(View haystack, qsizetype from, const std::vector<char16_t>& forms) const;
    template <typename View> bool matchesAt(View haystack, qsizetype at) const;

    QString m_needle;
    bool m_matchCase;
    bool m_wholeWord;
    qsizetype m_anchor = 0; // the needle's character the scan looks for
    // Every UTF-16 unit that matches the anchor (its case forms unless matchCase); empty when
    // the needle holds surrogates, which Qt's own search then handles.
    std::vector<char16_t> m_anchorForms;
    std::vector<char16_t> m_latin1AnchorForms; // those of them below U+0100
    std::vector<char16_t> m_folded;            // the needle case folded, unless matchCase
};

inline qsizetype findText(const QString& haystack, const QString& needle, bool matchCase,
                          bool wholeWord) {
    return TextFinder(needle, matchCase, wholeWord).find(haystack);
}

} // namespace richtext
