#pragma once

#include "core/browser/EntryRow.h"

#include <QAbstractTableModel>
#include <functional>
#include <string>
#include <vector>

// The entry list's rows. Cell texts are made when the view asks for them, so a journal of
// thousands of entries costs only the rows on screen.
class EntryListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit EntryListModel(QObject* parent = nullptr);

    // The journal's date and time format, asked at each date cell: the options dialog may
    // change it at any time.
    void setDisplayFormat(std::function<std::string()> format) { m_format = std::move(format); }
    std::string format() const { return m_format ? m_format() : std::string(); }

    void setRows(std::vector<EntryRow> rows);
    const std::vector<EntryRow>& rows() const { return m_rows; }
    const EntryRow& row(int index) const { return m_rows[static_cast<std::size_t>(index)]; }
    // Changes one row and redraws it.
    void updateRow(int index, const std::function<void(EntryRow&)>& change);
    void removeRow(int index);

    bool inFolderShown() const { return m_inFolderShown; }
    void setInFolderShown(bool shown);
    void sortRows(int column, bool ascending);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<EntryRow> m_rows;
    std::function<std::string()> m_format;
    bool m_inFolderShown = false;
};
