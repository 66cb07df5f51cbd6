#pragma once

#include <QStyledItemDelegate>
#include <functional>

// Names typed in place in the folder tree and the topic list: at most maxLength characters
// (the size of the name's column in the journal); an emptied name keeps the old one. A
// non-empty name goes to the callback, which stores it.
class NameEditDelegate : public QStyledItemDelegate {
public:
    using Commit = std::function<void(const QModelIndex&, const QString&)>;

    NameEditDelegate(QObject* parent, int maxLength, Commit commit);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

private:
    int m_maxLength;
    Commit m_commit;
};
