#include "browser/EntryDrag.h"

#include "browser/CEntryListView.h"
#include "browser/CFolderListView.h"
#include "browser/DropRules.h"

#include <QTreeView>
#include <QTreeWidget>

void EntryDrag::begin(int row, const QPoint& globalPos) {
    m_row = row;
    m_target = nullptr;
    m_dragging = true;
    QTreeView* view = m_list.listControl();
    QRect rowRect;
    for (int column = 0; column < view->model()->columnCount(); ++column)
        rowRect = rowRect.united(view->visualRect(view->model()->index(row, column)));
    m_feedback.start(view->viewport()->grab(rowRect.intersected(view->viewport()->rect())),
                     globalPos);
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
