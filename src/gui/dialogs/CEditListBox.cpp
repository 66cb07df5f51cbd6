#include "gui/dialogs/CEditListBox.h"

#include "gui/dialogs/CInPlaceEdit.h"
#include "gui/platform/ControlId.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <utility>

CEditListBox::CEditListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Renaming is ours: the view's own editors would bypass the rules of EndEdit.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void CEditListBox::BeginEdit() {
    QListWidgetItem* selected = currentItem();
    if (selected == nullptr || !selected->isSelected())
        return;
    EndEdit(true);
    // Taller than the item, so the editor's frame does not cut into the text.
    const QRect area = visualItemRect(selected).adjusted(0, -2, 0, 2);
    auto* editor = new CInPlaceEdit(viewport());
    setControlId(editor, kEditorId);
    editor->setFrame(true);
    editor->setFont(font());
    editor->setGeometry(area);
    editor->setText(selected->text());
    editor->selectAll();
    connect(editor, &CInPlaceEdit::endEdit, this, &CEditListBox::EndEdit);
    m_editor = editor;
    m_editedIndex = row(selected);
    editor->show();
    editor->setFocus(Qt::OtherFocusReason);
}

void CEditListBox::EndEdit(bool keep) {
    if (!m_editor)
        return;
    // Forgotten first: the focus loss that hiding the editor causes must end nothing again.
    const int index = std::exchange(m_editedIndex, -1);
    CInPlaceEdit* editor = m_editor;
    m_editor = nullptr;
    const QString text = editor->text();
    const bool hadFocus = editor->hasFocus();
    editor->hide();
    editor->deleteLater();
    if (hadFocus)
        setFocus(Qt::OtherFocusReason);
    if (!keep || index < 0 || index >= count())
        return;
    QListWidgetItem* edited = item(index);
    const QString oldText = edited->text();
    if (oldText == text)
        return;
    edited->setText(text);
    setCurrentRow(index);
    emit itemTextEdited(index, oldText);
}

void CEditListBox::mousePressEvent(QMouseEvent* event) {
    // The right button leaves the selection alone: its release renames the item that was
    // already selected, not whichever item it happens to be over.
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QListWidget::mousePressEvent(event);
}

void CEditListBox::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::RightButton)
        return;
    const QListWidgetItem* under = itemAt(event->position().toPoint());
    if (under != nullptr && under->isSelected() && under == currentItem())
        BeginEdit();
}

void CEditListBox::keyReleaseEvent(QKeyEvent* event) {
    QListWidget::keyReleaseEvent(event);
    if (event->key() == Qt::Key_Insert && !event->isAutoRepeat())
        BeginEdit();
}

void CEditListBox::scrollContentsBy(int dx, int dy) {
    EndEdit(true);
    QListWidget::scrollContentsBy(dx, dy);
}

void CEditListBox::resizeEvent(QResizeEvent* event) {
    QListWidget::resizeEvent(event);
    EndEdit(true);
}
