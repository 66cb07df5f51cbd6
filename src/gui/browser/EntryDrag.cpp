#include "gui/browser/EntryDrag.h"

#include "core/browser/DropRules.h"
#include "gui/browser/CEntryListView.h"
#include "gui/browser/CFolderListView.h"

#include <QTreeView>
#include <QTreeWidget>

void EntryDrag::begin(int row, const QPoint& globalPos) {
    m_row = row;
    m_target = nullptr;
    m_dragging = true;
    // The picture is the row's date cell: enough to recognise the entry without covering
    // the folders it is dragged to.
    QTreeView* view = m_list.listControl();
    const QRect cell = view->visualRect(view->model()->index(row, 0));
    m_feedback.start(view->viewport()->grab(cell.intersected(view->viewport()->rect())), globalPos);
}

void EntryDrag::move(const QPoint& globalPos) {
    if (!m_dragging)
        return;
    m_feedback.moveTo(globalPos);
    CFolderListView* tree = m_list.folderTree();
    QTreeWidgetItem* item = tree ? tree->itemAtGlobal(globalPos) : nullptr;
    setTarget(item);
    const EntryRow* dragged = m_list.rowAt(m_row);
    m_feedback.setAllowed(item && dragged &&
                          EntryDropAllowed(CFolderListView::itemFolderId(item), dragged->folderId));
}

void EntryDrag::release(const QPoint& globalPos) {
    if (!m_dragging)
        return;
    move(globalPos);
    QTreeWidgetItem* target = m_target;
    const int row = m_row;
    cancel();
    if (target)
        m_list.DropEntry(row, CFolderListView::itemFolderId(target));
}

void EntryDrag::cancel() {
    m_dragging = false;
    setTarget(nullptr);
    m_feedback.stop();
}

void EntryDrag::setTarget(QTreeWidgetItem* item) {
    m_target = item;
    if (CFolderListView* tree = m_list.folderTree())
        tree->setDropHighlight(item);
}
