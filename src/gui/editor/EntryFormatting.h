#pragma once

#include <QTextCharFormat>

class QFont;
class QTextCursor;

// The paragraph and clearing commands of the editor on the cursor's paragraphs (the ones its
// selection touches), each one undo step. Lists are made as the Windows control stores them.
namespace EntryFormatting {

// Whether the cursor's paragraph is in a numbered (or a bulleted) list.
bool inList(const QTextCursor& cursor, bool numbered);
// Out of the list when the paragraph is in one of that kind; else into one, at its level.
void toggleList(QTextCursor cursor, bool numbered);
// In a list: the list level; else the left indent, to the next half-inch stop.
void stepIndent(QTextCursor cursor, int steps);
// Every paragraph in a list one level deeper (steps 1) or shallower; out of it from the top.
void stepListLevel(QTextCursor cursor, int steps);
// The entry's face and size only; a link stays a link.
QTextCharFormat clearedFormat(const QTextCharFormat& format, const QFont& entryFont);
// Clears the selection's text, leaving pictures as they are.
void clearFormat(QTextCursor cursor, const QFont& entryFont);

} // namespace EntryFormatting
