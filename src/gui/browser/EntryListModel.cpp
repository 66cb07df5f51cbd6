#include "gui/browser/EntryListModel.h"

#include "core/browser/EntryListSort.h"
#include "core/platform/DateDisplay.h"
#include "core/platform/TextEncoding.h"

EntryListModel::EntryListModel(QObject* parent) : QAbstractTableModel(parent) {}

void EntryListModel::setRows(std::vector<EntryRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void EntryListModel::updateRow(int index, const std::function<void(EntryRow&)>& change) {
    change(m_rows[static_cast<std::size_t>(index)]);
    emit dataChanged(this->index(index, 0), this->index(index, columnCount() - 1));
}

void EntryListModel::removeRow(int index) {
    beginRemoveRows({}, index, index);
    m_rows.erase(m_rows.begin() + index);
    endRemoveRows();
}

void EntryListModel::setInFolderShown(bool shown) {
    if (shown == m_inFolderShown)
        return;
    if (shown) {
        beginInsertColumns({}, 2, 2);
        m_inFolderShown = true;
        endInsertColumns();
    } else {
        beginRemoveColumns({}, 2, 2);
        m_inFolderShown = false;
        endRemoveColumns();
    }
}

void EntryListModel::sortRows(int column, bool ascending) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const std::vector<std::size_t> order =
        SortedRowOrder(m_rows, column, ascending, m_inFolderShown);
    std::vector<EntryRow> sorted;
    sorted.reserve(m_rows.size());
    std::vector<int> newPosition(m_rows.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        sorted.push_back(std::move(m_rows[order[i]]));
        newPosition[order[i]] = static_cast<int>(i);
    }
    m_rows = std::move(sorted);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before)
        after.append(
            this->index(newPosition[static_cast<std::size_t>(index.row())], index.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int EntryListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int EntryListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : (m_inFolderShown ? 4 : 3);
}

QVariant EntryListModel::data(const QModelIndex& index, int role) const {
    if ((role != Qt::DisplayRole && role != Qt::ToolTipRole) || !index.isValid())
        return {};
    const EntryRow& row = m_rows[static_cast<std::size_t>(index.row())];
    // The In Folder column names the last folder only; its tooltip tells the whole path.
    if (role == Qt::ToolTipRole && m_inFolderShown && index.column() == 2)
        return storedToText(row.folderPath);
    switch (index.column()) {
    case 0:
        return DateDisplay::shown(row.timestamp, m_format ? m_format() : std::string());
    case 1:
        return storedToText(row.comment);
    case 2:
        return storedToText(m_inFolderShown ? row.folderName : row.topics);
    case 3:
        return storedToText(row.topics);
    default:
        return {};
    }
}

QVariant EntryListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case 0:
        return tr("Date");
    case 1:
        return tr("Comment");
    case 2:
        return m_inFolderShown ? tr("In Folder") : tr("Topics");
    case 3:
        return tr("Topics");
    default:
        return {};
    }
}
