#include "gui/browser/DragFeedback.h"

#include <QGuiApplication>
#include <QLabel>

namespace {
// The pointer's hot spot is at (-5, -5) of the picture: the picture sits below and right.
const QPoint kPictureOffset(5, 5);
} // namespace

DragFeedback::DragFeedback() = default;

DragFeedback::~DragFeedback() {
    stop();
}

void DragFeedback::start(const QPixmap& picture, const QPoint& globalPos) {
    m_picture = std::make_unique<QLabel>(nullptr, Qt::ToolTip | Qt::FramelessWindowHint);
    m_picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_picture->setAttribute(Qt::WA_ShowWithoutActivating);
    m_picture->setPixmap(picture);
    m_picture->setWindowOpacity(0.7);
    m_picture->resize(picture.size());
    moveTo(globalPos);
    m_picture->show();
    setAllowed(false);
}

void DragFeedback::moveTo(const QPoint& globalPos) {
    if (m_picture)
        m_picture->move(globalPos + kPictureOffset);
}

void DragFeedback::setAllowed(bool allowed) {
    const Qt::CursorShape shape = allowed ? Qt::ArrowCursor : Qt::ForbiddenCursor;
    if (m_cursorSet) {
        QGuiApplication::changeOverrideCursor(shape);
    } else {
        QGuiApplication::setOverrideCursor(shape);
        m_cursorSet = true;
    }
}

void DragFeedback::stop() {
    m_picture.reset();
    if (m_cursorSet)
        QGuiApplication::restoreOverrideCursor();
    m_cursorSet = false;
}
