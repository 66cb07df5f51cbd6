#pragma once

class QMenu;
class QTextEdit;
class SpellingService;

// The items the editor's context menu offers above its usual ones when the pointer is on a
// misspelt word: its first suggestions (each replaces the word in place, keeping its
// formatting, as one undo step), "Ignore All" and "Add to Dictionary". Adds nothing and
// returns false when the position is not on a misspelt word.
bool addSpellingItems(QMenu& menu, QTextEdit& editor, int position, SpellingService& words);
