#pragma once

#include "core/editor/FindRules.h"

#include <QMetaObject>
#include <QPointer>
#include <QString>

class FindReplaceDialog;
class QTextEdit;

// Find and replace in an editor's text: what was last looked for, the modeless Find and
// Replace dialog, and the steps its buttons and F3 take.
class EditorFind {
public:
    explicit EditorFind(QTextEdit& edit);
    ~EditorFind();
    EditorFind(const EditorFind&) = delete;
    EditorFind& operator=(const EditorFind&) = delete;

    // Shows the dialog (with the Replace fields or without), seeded with the selection.
    void showDialog(bool replace);
    FindReplaceDialog* dialog() const;

    void setNeedle(const QString& needle, const FindRules::Options& options);
    void setReplacement(const QString& replacement) { m_replacement = replacement; }
    const QString& needle() const { return m_needle; }

    // Selects the next match after the selection (wrapping once); false, and a message, when
    // there is none.
    bool findNext();
    // F3: the next match, or the Find dialog when nothing was looked for yet.
    void findNextOrAsk();
    // Selects the match before the selection (wrapping once), as findNext does.
    bool findPrevious();
    // Shift+F3: the match before, or the Find dialog when nothing was looked for yet.
    void findPreviousOrAsk();
    // Replaces the selection when it is a match, then selects the next one.
    bool replaceCurrent();
    // Replaces every match as one undo step; returns how many.
    int replaceAll();

    // A journal search's hits in the entry: marked with extra selections (never stored
    // formatting) until the text changes, the first one selected, and F3 going on to the next.
    void showHits(const QString& needle, const FindRules::Options& options);

private:
    // Selects the match; a message when there is none.
    bool select(const std::optional<FindRules::Match>& match);
    void notFound() const;
    void dropHitsOnChange();

    QTextEdit& m_edit;
    QPointer<FindReplaceDialog> m_dialog;
    QString m_needle;
    QString m_replacement;
    FindRules::Options m_options;
    QString m_hitText; // the text the hits were found in
    QMetaObject::Connection m_hitWatch;
};
