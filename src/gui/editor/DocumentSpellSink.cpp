#include "gui/editor/DocumentSpellSink.h"

#include <QTextCursor>
#include <QTextDocument>

void DocumentSpellSink::apply(const spelling::TextChange& change) {
    QTextCursor cursor(&m_document);
    // A cursor's format is that of the character before it.
    cursor.setPosition(change.formatFrom + 1);
    const QTextCharFormat format = cursor.charFormat();
    if (m_changed)
        cursor.joinPreviousEditBlock();
    else
        cursor.beginEditBlock();
    m_changed = true;
    cursor.setPosition(change.start);
    cursor.setPosition(change.start + change.removed, QTextCursor::KeepAnchor);
    if (change.inserted.isEmpty())
        cursor.removeSelectedText();
    else
        cursor.insertText(change.inserted, format);
    cursor.endEditBlock();
}
