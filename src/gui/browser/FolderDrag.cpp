#include "gui/browser/FolderDrag.h"

#include "core/browser/DropRules.h"
#include "gui/browser/CFolderListView.h"

#include <QScrollBar>
#include <QTreeWidget>

FolderDrag::FolderDrag(CFolderListView& view) : m_view(view) {
    m_timer.setInterval(kTickMs);
    QObject::connect(&m_timer, &QTimer::timeout, &view, [this] { tick(); });
}

void FolderDrag::begin(QTreeWidgetItem* item, const QPoint& globalPos) {
    m_dropAllowed = false;
    m_view.setDropHighlight(nullptr);
    if (!item || CFolderListView::itemFolderId(item).empty())
        return;
    QTreeWidget* tree = m_view.treeControl();
    m_dragged = item;
    m_dragging = true;
    m_pointer = globalPos;
    // The picture is the folder's icon and name, not the whole width of the tree.
    QRect shown = tree->visualItemRect(item);
    shown.setWidth(
        std::min(shown.width(), tree->iconSize().width() + 16 +
                                    tree->fontMetrics().horizontalAdvance(item->text(0))));
    m_feedback.start(tree->viewport()->grab(shown), globalPos);
    m_timer.start();
}

void FolderDrag::move(const QPoint& globalPos) {
    if (!m_dragging)
        return;
    m_pointer = globalPos;
    m_feedback.moveTo(globalPos);
    judge(m_view.itemAtGlobal(globalPos));
}

void FolderDrag::judge(QTreeWidgetItem* target) {
    m_view.setDropHighlight(target);
    const QTreeWidgetItem* parent = m_dragged->parent();
    m_dropAllowed =
        FolderDropAllowed(CFolderListView::itemFolderId(m_dragged),
                          parent ? CFolderListView::itemFolderId(parent) : "",
                          target ? CFolderListView::itemPath(target) : std::vector<std::string>());
    m_feedback.setAllowed(m_dropAllowed);
}

void FolderDrag::tick() {
    if (!m_dragging)
        return;
    ++m_timerTicks;
    m_feedback.moveTo(m_pointer);
    QTreeWidget* tree = m_view.treeControl();
    QWidget* area = tree->viewport();
    const QRect screen(area->mapToGlobal(QPoint(0, 0)), area->size());
    const AutoScroll step =
        AutoScrollStep(m_pointer.y(), screen.top(), screen.bottom(), m_timerTicks);
    if (step == AutoScroll::None)
        return;
    QTreeWidgetItem* firstVisible = tree->itemAt(QPoint(1, 1));
    QScrollBar* bar = tree->verticalScrollBar();
    if (step == AutoScroll::Up) {
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        judge(firstVisible);
        return;
    }
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    // The item that now shows at the bottom edge.
    const int rowHeight = firstVisible ? tree->visualItemRect(firstVisible).height() : 0;
    const int visibleCount = rowHeight > 0 ? area->height() / rowHeight : 0;
    QTreeWidgetItem* target = firstVisible;
    for (int i = 0; target && i < visibleCount - 1; ++i)
        target = tree->itemBelow(target);
    judge(target);
}

void FolderDrag::release() {
    if (!m_dragging)
        return;
    QTreeWidgetItem* dragged = m_dragged;
    QTreeWidgetItem* target = m_view.dropHighlight();
    const bool allowed = m_dropAllowed && target;
    end();
    if (!allowed) {
        m_view.setDropHighlight(nullptr);
        return;
    }
    m_view.DropFolder(dragged, target);
}

void FolderDrag::cancel() {
    if (!m_dragging)
        return;
    end();
    m_view.setDropHighlight(nullptr);
}

void FolderDrag::end() {
    m_dragging = false;
    m_timer.stop();
    m_feedback.stop();
    m_dragged = nullptr;
}
