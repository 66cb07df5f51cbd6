#include "gui/browser/NameEditDelegate.h"

#include <QLineEdit>

NameEditDelegate::NameEditDelegate(QObject* parent, int maxLength, Commit commit)
    : QStyledItemDelegate(parent), m_maxLength(maxLength), m_commit(std::move(commit)) {}

QWidget* NameEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        line->setMaxLength(m_maxLength);
    return editor;
}

void NameEditDelegate::setModelData(QWidget* editor, QAbstractItemModel*,
                                    const QModelIndex& index) const {
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (line && !line->text().isEmpty() && m_commit)
        m_commit(index, line->text());
}
