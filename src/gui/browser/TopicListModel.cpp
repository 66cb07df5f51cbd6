#include "gui/browser/TopicListModel.h"

#include "core/platform/TextEncoding.h"

TopicListModel::TopicListModel(QObject* parent) : QAbstractListModel(parent) {}

void TopicListModel::clear() {
    beginResetModel();
    m_items.clear();
    endResetModel();
}

void TopicListModel::append(TopicItem item) {
    const int row = rowCount();
    beginInsertRows({}, row, row);
    m_items.push_back(std::move(item));
    endInsertRows();
}

void TopicListModel::removeAt(int row) {
    beginRemoveRows({}, row, row);
    m_items.erase(m_items.begin() + row);
    endRemoveRows();
}

int TopicListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_items.size());
}

QVariant TopicListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return storedToText(item(index.row()).name);
}

void TopicListModel::rename(int row, std::string name) {
    m_items[static_cast<std::size_t>(row)].name = std::move(name);
    emit dataChanged(index(row), index(row));
}

Qt::ItemFlags TopicListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}
