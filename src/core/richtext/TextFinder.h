#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <vector>

namespace richtext {

// Finds needle in haystack from the start, as the rich-edit control's find does: case folded
// character by character unless matchCase; with wholeWord, the characters on both sides of a
// match must not be letters or digits (the ends of the text count as boundaries). An empty
// needle finds nothing. Returns the position (UTF-16 units) or -1.
//
// Made once for many haystacks (a search over every entry): the case-insensitive scan looks
// for the needle's first character in each of its case forms with Qt's vectorised character
// search and compares the rest only there.
class TextFinder {
public:
    TextFinder(const QString& needle, bool matchCase, bool wholeWord);

    qsizetype find(QStringView haystack) const;

private:
    static constexpr std::size_t kMaxForms = 8;
    static constexpr qsizetype kNone = -1;
    using NextForms = std::array<qsizetype, kMaxForms>;
    qsizetype nextMatch(QStringView haystack, qsizetype from, NextForms& next) const;

    QString m_needle;
    bool m_matchCase;
    bool m_wholeWord;
    qsizetype m_anchor = 0; // the needle's character the scan looks for
    // Every UTF-16 unit that matches the anchor (its case forms unless matchCase); empty when
    // the needle holds surrogates, which Qt's own search then handles.
    std::vector<QChar> m_anchorForms;
};

inline qsizetype findText(const QString& haystack, const QString& needle, bool matchCase,
                          bool wholeWord) {
    return TextFinder(needle, matchCase, wholeWord).find(haystack);
}

} // namespace richtext
