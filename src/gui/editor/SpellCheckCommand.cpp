#include "gui/editor/SpellCheckCommand.h"

#include "core/platform/TextEncoding.h"
#include "core/spelling/SpellingTexts.h"
#include "gui/editor/CSpellingDlg.h"
#include "gui/platform/MessageBoxes.h"

#include <QTextCursor>
#include <QTextEdit>

void checkSpelling(QTextEdit& editor, SpellingService* words, const QString& whyNot,
                   QWidget* parent) {
    if (words == nullptr) {
        showMessageBox(parent,
                       {textToStored(whyNot), MessageButtons::Ok, MessageIcon::Exclamation});
        return;
    }
    // Follows the corrections made before it, so the caret returns to the same place in the
    // text even when a word ahead of it changed length.
    QTextCursor start(editor.document());
    start.setPosition(editor.textCursor().selectionStart());

    if (CSpellingDlg::check(editor, *words, parent) == CSpellingDlg::Complete)
        showMessageBox(parent, {textToStored(spellingtexts::checkComplete()), MessageButtons::Ok,
                                MessageIcon::Information});

    QTextCursor caret(editor.document());
    caret.setPosition(start.position());
    editor.setTextCursor(caret);
}
