#pragma once

#include <QPixmap>
#include <QPoint>
#include <memory>

class QLabel;

// What the user sees while dragging a row or a folder: a faint picture of the dragged item
// beside the pointer, and the pointer telling whether releasing here would drop.
class DragFeedback {
public:
    DragFeedback();
    ~DragFeedback();
    DragFeedback(const DragFeedback&) = delete;
    DragFeedback& operator=(const DragFeedback&) = delete;

    void start(const QPixmap& picture, const QPoint& globalPos);
    void moveTo(const QPoint& globalPos);
    void setAllowed(bool allowed);
    void stop();

private:
    std::unique_ptr<QLabel> m_picture;
    bool m_cursorSet = false;
};
