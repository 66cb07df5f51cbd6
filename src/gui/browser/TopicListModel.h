#pragma once

#include "core/browser/TopicItems.h"

#include <QAbstractListModel>
#include <string>
#include <vector>

// The topic list's rows, in the order the Topic table returns them. Names typed in place go
// through the list's delegate, which stores them and then renames the row here.
class TopicListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit TopicListModel(QObject* parent = nullptr);

    void clear();
    void append(TopicItem item);
    void removeAt(int row);
    void rename(int row, std::string name);
    const TopicItem& item(int row) const { return m_items[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    std::vector<TopicItem> m_items;
};
