#pragma once

#include "browser/TopicItems.h"

#include <QAbstractListModel>
#include <functional>
#include <vector>

// The topic list's rows, in the order the Topic table returns them. A name typed in place
// goes to the rename callback; an empty name (a cancelled edit) changes nothing.
class TopicListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit TopicListModel(QObject* parent = nullptr);

    void setRenameHandler(std::function<void(const TopicItem&)> rename) {
        m_rename = std::move(rename);
    }

    void clear();
    void append(TopicItem item);
    void removeAt(int row);
    const TopicItem& item(int row) const { return m_items[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    std::vector<TopicItem> m_items;
    std::function<void(const TopicItem&)> m_rename;
};
