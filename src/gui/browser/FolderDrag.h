#pragma once

#include "gui/browser/DragFeedback.h"

#include <QPoint>
#include <QTimer>

class CFolderListView;
class QTreeWidgetItem;

// Dragging a folder to another place in the tree. While the drag lasts a 15 ms timer scrolls
// the tree when the pointer is held near its top or bottom edge.
class FolderDrag {
public:
    static constexpr int kTickMs = 15;

    explicit FolderDrag(CFolderListView& view);

    bool active() const { return m_dragging; }
    QTreeWidgetItem* dragged() const { return m_dragged; }
    bool dropAllowed() const { return m_dropAllowed; }

    void begin(QTreeWidgetItem* item, const QPoint& globalPos);
    void move(const QPoint& globalPos);
    void release();
    // Escape: ends the drag without moving anything.
    void cancel();
    // One tick of the auto-scroll timer.
    void tick();

private:
    void judge(QTreeWidgetItem* target);
    void end();

    CFolderListView& m_view;
    DragFeedback m_feedback;
    QTimer m_timer;
    bool m_dragging = false;
    bool m_dropAllowed = false;
    QTreeWidgetItem* m_dragged = nullptr;
    QPoint m_pointer;
    unsigned m_timerTicks = 0; // never reset: the scroll rhythm carries over between drags
};
