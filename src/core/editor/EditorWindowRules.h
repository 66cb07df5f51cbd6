#pragma once

#include <QRect>
#include <QString>

// Rules of the editor window that need no widgets.
namespace EditorWindowRules {

// The window's place: the middle three fifths of the screen area in each direction.
QRect initialGeometry(const QRect& screen);

struct TextCounts {
    qsizetype words = 0;
    qsizetype characters = 0;
    bool operator==(const TextCounts&) const = default;
};

// Words (runs of characters between spaces that hold a letter or digit) and characters
// (everything but paragraph breaks and embedded pictures) of the editor's text.
TextCounts countText(const QString& text);
// The status bar's words-and-characters text: "1 word, 5 characters".
QString countsText(const TextCounts& counts);

} // namespace EditorWindowRules
