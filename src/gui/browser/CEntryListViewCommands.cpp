// The entry list's commands, context menu and the drag of a row onto the folder tree.
#include "browser/BrowserMessages.h"
#include "browser/CEntryListView.h"
#include "browser/CFolderListView.h"
#include "browser/CPreviewPane.h"
#include "browser/DropRules.h"
#include "browser/EntryCommentEdit.h"
#include "browser/EntryDrag.h"
#include "browser/EntryListModel.h"
#include "browser/EntryRows.h"
#include "browser/PaneContextMenu.h"
#include "dialogs/JournalUi.h"
#include "platform/TextEncoding.h"
#include "store/CQBKDoc.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTreeView>

bool CEntryListView::HasOneSelected() const {
    return selectedRow() >= 0;
}

void CEntryListView::OnOpenEntry() {
    if (const EntryRow* row = rowAt(selectedRow()))
        m_doc.OpenEntry(row->entryId);
}

void CEntryListView::OnEditComment() {
    const int row = selectedRow();
    if (row < 0)
        return;
    const std::string id = m_model->row(row).entryId;
    CommentEdit edit;
    try {
        edit = StartCommentEdit(m_doc, id);
    } catch (const CppSQLite3Exception& e) {
        m_ui.showError(e.message());
        return;
    }
    if (!m_ui.runCommentDialog(edit.values))
        return;
    std::string shown;
    try {
        shown = FinishCommentEdit(m_doc, id, edit);
    } catch (const CppSQLite3Exception& e) {
        m_ui.showError(e.message());
        return;
    }
    m_model->updateRow(row, [&](EntryRow& entry) { entry.comment = shown; });
    if (m_preview)
        m_preview->SetCommentText(storedToText(shown));
}

void CEntryListView::OnChangeEntryDate() {
    const int row = selectedRow();
    if (row < 0)
        return;
    const EntryRow& entry = m_model->row(row);
    ChangeDateValues values;
    if (entry.timestamp.IsValid()) {
        const COleDateTime& at = entry.timestamp;
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
    m_doc.SetEntryTimeStamp(when, entry.entryId);
    m_model->updateRow(row, [&](EntryRow& changed) { changed.timestamp = when; });
}

void CEntryListView::OnDeleteEntry() {
    if (!m_ui.askYesNo(BrowserMessages::kConfirmEntryDelete))
        return;
    const int row = selectedRow();
    if (row >= 0 && m_doc.DeleteEntry(m_model->row(row).entryId))
        RemoveRowAndSelectNext(row);
}

void CEntryListView::OnEntryTopics() {
    if (const EntryRow* row = rowAt(selectedRow()); row && m_entryTopics)
        m_entryTopics(row->entryId);
}

void CEntryListView::OnPrintEntry() {
    const EntryRow* row = rowAt(selectedRow());
    if (!row)
        return;
    try {
        m_doc.PrintEntry(row->entryId, 0);
    } catch (const CppSQLite3Exception& e) {
        m_ui.showError(e.message());
    }
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
    if (selectedRow() < 0)
        return;
    m_menu->popupAt(globalPos);
}

void CEntryListView::DropEntry(int row, const std::string& folderId) {
    const EntryRow* entry = rowAt(row);
    if (!entry || !EntryDropAllowed(folderId, entry->folderId))
        return;
    if (m_doc.m_confirmEntryMove && !m_ui.askYesNo(BrowserMessages::kConfirmEntryMove))
        return;
    m_doc.MoveEntry(entry->entryId, folderId);
    const std::string& listed = m_doc.m_currentFolderId;
    if (listed != "{All Entries}" && listed != "{Root}") {
        RemoveRowAndSelectNext(row);
        return;
    }
    std::string folderName;
    try {
        folderName = GetEntryFolderName(m_doc.m_db, folderId);
    } catch (const CppSQLite3Exception& e) {
        m_ui.showError(e.message());
    }
    m_model->updateRow(row, [&](EntryRow& moved) {
        moved.folderId = folderId;
        moved.folderName = folderName;
    });
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
        if (event->type() == QEvent::KeyPress && m_drag->active() &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            m_drag->cancel();
            return true;
        }
        return false;
    }
    if (watched != m_list->viewport())
        return false;
    switch (event->type()) {
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
        if ((mouse->buttons() & Qt::LeftButton) && m_pressRow >= 0 &&
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
