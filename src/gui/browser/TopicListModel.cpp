#include "browser/TopicListModel.h"

#include "platform/TextEncoding.h"

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

bool TopicListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const QString name = value.toString();
    if (name.isEmpty())
        return false;
    TopicItem& topic = m_items[static_cast<std::size_t>(index.row())];
    topic.name = textToStored(name);
    emit dataChanged(index, index);
    if (m_rename)
        m_rename(topic);
    return true;
}

Qt::ItemFlags TopicListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}
