#pragma once

#include <QString>

namespace richtext {

// Finds needle in haystack from the start, as the rich-edit control's find does: case folded
// character by character unless matchCase; with wholeWord, the characters on both sides of a
// match must not be letters or digits (the ends of the text count as boundaries). An empty
// needle finds nothing. Returns the position (UTF-16 units) or -1.
qsizetype findText(const QString& haystack, const QString& needle, bool matchCase, bool wholeWord);

} // namespace richtext
