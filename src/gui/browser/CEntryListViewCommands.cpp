// The entry list's commands, context menu and the drag of a row onto the folder tree.
#include "core/browser/BrowserMessages.h"
#include "core/browser/EntryCommentEdit.h"
#include "core/browser/EntryListSort.h"
#include "core/browser/EntryRows.h"
#include "core/platform/TextEncoding.h"
#include "core/session/CQBKDoc.h"
#include "core/session/JournalUi.h"
#include "gui/browser/CEntryListView.h"
#include "gui/browser/CFolderListView.h"
#include "gui/browser/CPreviewPane.h"
#include "gui/browser/EntryDrag.h"
#include "gui/browser/EntryListModel.h"
#include "gui/browser/PaneContextMenu.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QToolTip>
#include <QTreeView>

bool CEntryListView::HasOneSelected() const {
    return selectedRow() >= 0;
}

void CEntryListView::OnOpenEntry() {
    if (const EntryRow* row = rowAt(selectedRow()))
        m_doc.OpenEntry(row->entryId);
}

// The session may read the journal again during a write (another program changed it), so
// rows are found again by their entry id afterwards, never kept by position.
void CEntryListView::OnEditComment() {
    const EntryRow* selected = rowAt(selectedRow());
    if (!selected)
        return;
    const std::string id = selected->entryId;
    CommentEdit edit;
    try {
        edit = StartCommentEdit(m_doc, id);
    } catch (const CppSQLite3Exception& e) {
        m_doc.ShowDatabaseError(e);
        return;
    }
    if (!m_ui.runCommentDialog(edit.values))
        return;
    std::optional<std::string> shown;
    try {
        shown = FinishCommentEdit(m_doc, id, edit);
    } catch (const CppSQLite3Exception& e) {
        m_doc.ShowDatabaseError(e);
        return;
    }
    const int row = rowOf(id);
    if (!shown || row < 0)
        return;
    m_model->updateRow(row, [&](EntryRow& entry) { entry.comment = *shown; });
    if (m_preview && m_preview->entryId() == id)
        m_preview->SetCommentText(storedToText(*shown));
}

void CEntryListView::OnChangeEntryDate() {
    const EntryRow* selected = rowAt(selectedRow());
    if (!selected)
        return;
    const std::string id = selected->entryId;
    ChangeDateValues values;
    if (selected->timestamp.IsValid()) {
        const COleDateTime& at = selected->timestamp;
        values.m_date = QDate(at.GetYear(), at.GetMonth(), at.GetDay());
        values.m_time = QTime(at.GetHour(), at.GetMinute(), at.GetSecond());
    }
    if (!m_ui.runChangeDateDialog(values))
        return;
    const QDate date = values.m_result.date();
    const QTime time = values.m_result.time();
    const COleDateTime when(date.year(), date.month(), date.day(), time.hour(), time.minute(),
                            time.second());
    if (!values.m_result.isValid() || !when.IsValid())
        return; // nothing sensible to store
    if (!m_doc.SetEntryTimeStamp(when, id))
        return;
    const int row = rowOf(id);
    if (row < 0)
        return;
    // The entry moves to where its new date sorts, still selected, and the preview's header
    // shows the new date.
    m_model->updateRow(row, [&](EntryRow& changed) { changed.timestamp = when; });
    const EntryListSortState& sort = SharedEntryListSort();
    SortEntries(sort.column, sort.ascending);
    if (m_preview && m_preview->entryId() == id) {
        const int now = rowOf(id);
        m_preview->SetDateText(m_model->data(m_model->index(now, 0), Qt::DisplayRole).toString());
    }
}

void CEntryListView::OnDeleteEntry() {
    if (const std::vector<EntryRow> entries = selectedEntries(); entries.size() > 1) {
        DeleteSeveral(entries);
        return;
    }
    if (!m_ui.askYesNo(BrowserMessages::Text(BrowserMessages::kConfirmEntryDelete)))
        return;
    const EntryRow* selected = rowAt(selectedRow());
    if (!selected)
        return;
    const std::string id = selected->entryId;
    if (!m_doc.DeleteEntry(id))
        return;
    if (const int row = rowOf(id); row >= 0)
        RemoveRowAndSelectNext(row);
}

void CEntryListView::OnEntryTopics() {
    if (const std::vector<EntryRow> entries = selectedEntries(); entries.size() > 1) {
        TopicsOfSeveral(entries);
        return;
    }
    if (const EntryRow* row = rowAt(selectedRow()); row && m_entryTopics)
        m_entryTopics(row->entryId);
}

void CEntryListView::OnPrintEntry() {
    const EntryRow* row = rowAt(selectedRow());
    if (!row)
        return;
    m_doc.PrintEntry(row->entryId, 0);
}

void CEntryListView::RemoveRowAndSelectNext(int row) {
    // The view moves the focus to a neighbouring row as the row goes; that row is selected.
    m_model->removeRow(row);
    const QModelIndex current = m_list->currentIndex();
    if (current.isValid())
        m_list->selectionModel()->select(current, QItemSelectionModel::ClearAndSelect |
                                                      QItemSelectionModel::Rows);
    if (selectedRow() < 0)
        OnSelectionChanged();
}

void CEntryListView::ShowContextMenu(const QPoint& globalPos) {
    if (!HasSelection())
        return;
    m_menu->popupAt(globalPos);
}

void CEntryListView::DropEntry(int dragged, const std::string& folderId) {
    if (const EntryRow* entry = rowAt(dragged))
        FileEntries({*entry}, folderId);
}

bool CEntryListView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ContextMenu) {
        auto* menuEvent = static_cast<QContextMenuEvent*>(event);
        const QPoint globalPos = menuEvent->reason() == QContextMenuEvent::Keyboard
                                     ? m_list->viewport()->mapToGlobal(QPoint(5, 5))
                                     : menuEvent->globalPos();
        ShowContextMenu(globalPos);
        return true;
    }
    if (watched == m_list) {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (m_drag->active() && key->key() == Qt::Key_Escape) {
            m_drag->cancel();
            return true;
        }
        // Del deletes the selected entries, with the usual question, as in any file list.
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier &&
            !m_drag->active() && HasSelection()) {
            OnDeleteEntry();
            return true;
        }
        return false;
    }
    if (watched != m_list->viewport())
        return false;
    switch (event->type()) {
    case QEvent::ToolTip: {
        // A cell's tooltip is its whole text, shown only where the cell cuts it short; the In
        // Folder column's (the folder's path) always.
        const QModelIndex index = m_list->indexAt(static_cast<QHelpEvent*>(event)->pos());
        const bool path = m_model->inFolderShown() && index.column() == 2;
        if (!index.isValid() || path)
            return false;
        // The style's text margins in an item view cell.
        const int margin =
            2 * (m_list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_list) + 1);
        const int room = m_list->visualRect(index).width() - margin;
        const bool cut = m_list->fontMetrics().horizontalAdvance(index.data().toString()) > room;
        if (!cut)
            QToolTip::hideText();
        return !cut;
    }
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            m_pressPos = mouse->position().toPoint();
            m_pressRow = m_list->indexAt(m_pressPos).row();
        }
        return false;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint global = mouse->globalPosition().toPoint();
        if (m_drag->active()) {
            m_drag->move(global);
            return true;
        }
        if ((mouse->buttons() & Qt::LeftButton) && m_pressRow >= 0 && m_doc.CanWrite() &&
            (mouse->position().toPoint() - m_pressPos).manhattanLength() >=
                QApplication::startDragDistance()) {
            m_drag->begin(m_pressRow, global);
            m_drag->move(global);
            return true;
        }
        return false;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        m_pressRow = -1;
        if (m_drag->active() && mouse->button() == Qt::LeftButton) {
            m_drag->release(mouse->globalPosition().toPoint());
            return true;
        }
        return false;
    }
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (const EntryRow* row = rowAt(m_list->indexAt(mouse->position().toPoint()).row()))
            m_doc.OpenEntry(row->entryId);
        return true;
    }
    default:
        return false;
    }
}
