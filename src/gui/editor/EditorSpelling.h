#pragma once

#include <QObject>
#include <QPoint>

class QMenu;
class QTextEdit;
class QWidget;
class SpellHighlighter;
class SpellingEngine;

// Spelling in one editable text view: misspelt words underlined while the engine's switch is
// on, the context menu's spelling items, and the Check Spelling command. A read-only view
// (the preview) is never given one, so it never underlines.
class EditorSpelling : public QObject {
    Q_OBJECT

public:
    EditorSpelling(QTextEdit& editor, SpellingEngine& engine);

    // The Check Spelling command for this view.
    void checkSpelling(QWidget* parent);
    // The spelling items for the word at the screen point (or at the caret when the menu
    // came from the keyboard), added at the top of the menu.
    void addContextItems(QMenu* menu, const QPoint& globalPos, bool fromKeyboard);

    // The Tools menu's spelling items: the as-you-type switch and the dictionary choice.
    static void addToolsItems(QMenu& tools, SpellingEngine& engine);

private:
    void useEngine();
    // Checks the words of the blocks on screen (and a few after) left unchecked.
    void checkShownBlocks();

    QTextEdit& m_editor;
    SpellingEngine& m_engine;
    SpellHighlighter* m_highlighter;
};
