#include "gui/dialogs/CInPlaceEdit.h"

#include <QKeyEvent>

CInPlaceEdit::CInPlaceEdit(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("inPlaceEdit"));
}

void CInPlaceEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        emit endEdit(true);
        return;
    case Qt::Key_Escape:
        event->accept();
        emit endEdit(false);
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

void CInPlaceEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A context menu opened over the editor takes the focus only for a moment.
    if (event->reason() != Qt::PopupFocusReason)
        emit endEdit(true);
}
