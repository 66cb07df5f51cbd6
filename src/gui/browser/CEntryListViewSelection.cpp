// The entry list's commands on several entries: Delete, Entry Topics, Move to Folder, Cut and
// Paste, and the filing of entries that drops share.
#include "core/browser/DropRules.h"
#include "core/browser/EntrySelection.h"
#include "core/browser/ListingNames.h"
#include "core/session/CQBKDoc.h"
#include "core/session/JournalUi.h"
#include "core/store/QuotedIdList.h"
#include "gui/browser/CEntryListView.h"
#include "gui/browser/EntryListModel.h"

#include <QItemSelectionModel>
#include <QTreeView>

#include <algorithm>
#include <set>

namespace {

std::vector<std::string> idsOf(const std::vector<EntryRow>& entries) {
    std::vector<std::string> ids;
    for (const EntryRow& entry : entries)
        ids.push_back(entry.entryId);
    return ids;
}

bool listsEveryFolder(const std::string& folderId) {
    return folderId == "{All Entries}" || folderId == "{Root}";
}

} // namespace

std::vector<EntryRow> CEntryListView::selectedEntries() const {
    QModelIndexList selected = m_list->selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<EntryRow> entries;
    for (const QModelIndex& index : selected)
        if (const EntryRow* row = rowAt(index.row()))
            entries.push_back(*row);
    return entries;
}

std::vector<std::string> CEntryListView::SelectedEntryIds() const {
    return idsOf(selectedEntries());
}

bool CEntryListView::HasSelection() const {
    return m_list->selectionModel()->hasSelection();
}

void CEntryListView::ReloadSelectingRow(int row) {
    LoadEntriesThen([this, row] {
        if (rowCount() > 0)
            ShowEntry(rowAt(std::clamp(row, 0, rowCount() - 1))->entryId);
    });
}

void CEntryListView::SelectEntries(const std::vector<std::string>& entryIds) {
    const std::set<std::string> wanted(entryIds.begin(), entryIds.end());
    QItemSelection selection;
    for (int row = 0; row < rowCount(); ++row)
        if (wanted.contains(m_model->row(row).entryId))
            selection.select(m_model->index(row, 0), m_model->index(row, 0));
    m_list->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect |
                                                    QItemSelectionModel::Rows);
}

void CEntryListView::DeleteSeveral(const std::vector<EntryRow>& entries) {
    if (!m_ui.askYesNo(EntrySelection::ConfirmDelete(static_cast<int>(entries.size()))))
        return;
    const int first = rowOf(entries.front().entryId);
    if (m_doc.DeleteEntries(idsOf(entries)))
        ReloadSelectingRow(first);
}

void CEntryListView::TopicsOfSeveral(const std::vector<EntryRow>& entries) {
    if (!m_topicChoice)
        return;
    const std::vector<std::string> ids = idsOf(entries);
    const std::optional<std::vector<std::string>> carried = m_doc.TopicsOfAll(ids);
    if (!carried)
        return;
    TopicChoiceValues values;
    values.m_chosenIds = QuotedIdList(*carried, ",");
    if (!m_topicChoice(values))
        return;
    const EntrySelection::TopicChange change =
        EntrySelection::TopicChangeFor(*carried, ParseQuotedIdList(values.m_chosenIds));
    if (change.empty() || !m_doc.ChangeEntriesTopics(ids, change.added, change.removed))
        return;
    // The Topics column shows the change, and the filter of the topic pane may now list
    // other entries.
    LoadEntriesThen([this, ids] { SelectEntries(ids); });
}

void CEntryListView::OnMoveToFolder() {
    const std::vector<EntryRow> entries = selectedEntries();
    if (entries.empty())
        return;
    FolderChoiceValues values{
        EntrySelection::ChooseFolderForEntries(static_cast<int>(entries.size())),
        m_doc.FolderChoices(), m_doc.CurrentFolderId()};
    if (!m_ui.runChooseFolderDialog(values))
        return;
    if (!EntryDropAllowed(values.m_folderId, std::string())) {
        m_ui.showMessage(EntrySelection::CannotFileThere());
        return;
    }
    FileEntries(entries, values.m_folderId);
}

bool CEntryListView::CanCutEntries() const {
    return HasSelection() && m_doc.CanWrite();
}

void CEntryListView::OnCutEntries() {
    m_cut = selectedEntries();
}

bool CEntryListView::CanPasteEntries() const {
    return !m_cut.empty() && m_doc.CanWrite() &&
           EntryDropAllowed(m_doc.CurrentFolderId(), std::string());
}

void CEntryListView::PasteEntries() {
    if (!CanPasteEntries())
        return;
    const std::vector<EntryRow> cut = std::move(m_cut);
    m_cut.clear();
    FileEntries(cut, m_doc.CurrentFolderId());
}

void CEntryListView::FileEntries(const std::vector<EntryRow>& entries,
                                 const std::string& folderId) {
    const std::vector<std::string> ids = EntrySelection::EntriesToMove(entries, folderId);
    if (ids.empty())
        return;
    if (m_doc.ConfirmsEntryMove() &&
        !m_ui.askYesNo(EntrySelection::ConfirmMove(static_cast<int>(ids.size()))))
        return;
    const int first = rowOf(ids.front());
    const bool moved =
        ids.size() == 1 ? m_doc.MoveEntry(ids.front(), folderId) : m_doc.MoveEntries(ids, folderId);
    if (!moved)
        return;
    if (listsEveryFolder(m_doc.CurrentFolderId())) {
        ShowMovedEntries(ids, folderId);
        return;
    }
    // The session may have read the list again meanwhile: the row is found afresh.
    if (ids.size() > 1)
        ReloadSelectingRow(first);
    else if (const int row = rowOf(ids.front()); row >= 0)
        RemoveRowAndSelectNext(row);
}

void CEntryListView::ShowMovedEntries(const std::vector<std::string>& entryIds,
                                      const std::string& folderId) {
    std::string folderName;
    std::string folderPath;
    try {
        // The folders alone: the topics of every entry are not needed for these rows.
        const ListingNames folders = ListingNames::ReadFolderNames(m_doc.Reader().Db());
        folderName = folders.FolderName(folderId);
        folderPath = folders.FolderPath(folderId);
    } catch (const CppSQLite3Exception& e) {
        m_doc.ShowDatabaseError(e);
    }
    const std::set<std::string> moved(entryIds.begin(), entryIds.end());
    for (int row = 0; row < rowCount(); ++row) {
        if (!moved.contains(m_model->row(row).entryId))
            continue;
        m_model->updateRow(row, [&](EntryRow& entry) {
            entry.folderId = folderId;
            entry.folderName = folderName;
            entry.folderPath = folderPath;
        });
    }
}
