#pragma once

#include "gui/browser/DragFeedback.h"

#include <QPoint>

class CEntryListView;
class QTreeWidgetItem;

// Dragging an entry row onto the folder tree files the entry in that folder. The list keeps
// the mouse while the button is down, so the drag follows the pointer across the window.
class EntryDrag {
public:
    explicit EntryDrag(CEntryListView& list) : m_list(list) {}

    bool active() const { return m_dragging; }
    int row() const { return m_row; }
    QTreeWidgetItem* target() const { return m_target; }

    void begin(int row, const QPoint& globalPos);
    void move(const QPoint& globalPos);
    // Ends the drag; drops on the folder under the pointer when there is one.
    void release(const QPoint& globalPos);
    // Escape: ends the drag without moving anything.
    void cancel();

private:
    void setTarget(QTreeWidgetItem* item);

    CEntryListView& m_list;
    DragFeedback m_feedback;
    bool m_dragging = false;
    int m_row = -1;
    QTreeWidgetItem* m_target = nullptr;
};
