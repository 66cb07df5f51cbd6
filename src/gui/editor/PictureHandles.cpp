#include "gui/editor/PictureHandles.h"

#include "core/editor/PictureRules.h"
#include "render/RtfDocumentAdapter.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextImageFormat>
#include <QTextLayout>

namespace {

constexpr int kHandle = 7; // a handle's side in pixels

QTextImageFormat imageAt(const QTextDocument& document, int position) {
    const QTextBlock block = document.findBlock(position);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        if (it.fragment().contains(position))
            return it.fragment().charFormat().toImageFormat();
    }
    return {};
}

} // namespace

PictureHandles::PictureHandles(QTextEdit& edit) : QWidget(edit.viewport()), m_edit(edit) {
    setObjectName(QStringLiteral("pictureHandles"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(edit.viewport()->rect());
    edit.viewport()->installEventFilter(this);
    const auto repaint = [this] { update(); };
    connect(&edit, &QTextEdit::selectionChanged, this, repaint);
    connect(&edit, &QTextEdit::cursorPositionChanged, this, repaint);
    connect(edit.document(), &QTextDocument::contentsChanged, this, repaint);
    connect(edit.verticalScrollBar(), &QScrollBar::valueChanged, this, repaint);
    connect(edit.horizontalScrollBar(), &QScrollBar::valueChanged, this, repaint);
    show();
}

QRect PictureHandles::RectAt(int position) const {
    const QTextDocument& document = *m_edit.document();
    if (position < 0 || position + 1 >= document.characterCount())
        return {};
    const QTextImageFormat f = imageAt(document, position);
    if (!f.isValid())
        return {};
    const QTextBlock block = document.findBlock(position);
    const int inBlock = position - block.position();
    const QTextLine line = block.layout()->lineForTextPosition(inBlock);
    if (!line.isValid())
        return {};
    const QPointF origin =
        document.documentLayout()->blockBoundingRect(block).topLeft() -
        QPointF(m_edit.horizontalScrollBar()->value(), m_edit.verticalScrollBar()->value());
    const qreal left = line.cursorToX(inBlock);
    const qreal width = line.cursorToX(inBlock + 1) - left;
    // Laid out on the baseline, as tall as its width says at the view's zoom.
    const qreal height = f.width() > 0 ? f.height() * width / f.width() : line.ascent();
    const qreal baseline = line.y() + line.ascent();
    return QRectF(origin + QPointF(left, baseline - height), QSizeF(width, height)).toRect();
}

int PictureHandles::SelectedPosition() const {
    const QTextCursor cursor = m_edit.textCursor();
    const int start = cursor.selectionStart();
    if (cursor.selectionEnd() - start != 1 || !imageAt(*m_edit.document(), start).isValid())
        return -1;
    return start;
}

QRect PictureHandles::PictureRect() const {
    const int position = SelectedPosition();
    return position < 0 ? QRect() : RectAt(position);
}

QRect PictureHandles::HandleAt(const QRect& picture, int corner) {
    const QPoint at((corner & 1) ? picture.right() : picture.left(),
                    (corner & 2) ? picture.bottom() : picture.top());
    return {at - QPoint(kHandle / 2, kHandle / 2), QSize(kHandle, kHandle)};
}

bool PictureHandles::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_edit.viewport())
        return false;
    switch (event->type()) {
    case QEvent::Resize:
        setGeometry(m_edit.viewport()->rect());
        return false;
    case QEvent::MouseButtonPress:
        return Press(static_cast<QMouseEvent&>(*event));
    case QEvent::MouseMove:
        if (m_corner < 0)
            return false;
        Drag(static_cast<QMouseEvent&>(*event));
        return true;
    case QEvent::MouseButtonRelease:
        if (m_corner < 0)
            return false;
        Release(static_cast<QMouseEvent&>(*event));
        return true;
    default:
        return false;
    }
}

bool PictureHandles::Press(const QMouseEvent& event) {
    if (event.button() != Qt::LeftButton || m_edit.isReadOnly())
        return false;
    const QPoint point = event.position().toPoint();
    const QRect selected = PictureRect();
    for (int corner = 0; corner < 4 && !selected.isEmpty(); ++corner) {
        if (!HandleAt(selected, corner).adjusted(-2, -2, 2, 2).contains(point))
            continue;
        const QTextImageFormat f = imageAt(*m_edit.document(), SelectedPosition());
        m_corner = corner;
        m_pressed = point;
        m_startRect = selected;
        m_startSize = QSize(qRound(f.width()), qRound(f.height()));
        if (m_startSize.isEmpty())
            m_startSize = selected.size();
        m_size = m_startSize;
        return true;
    }
    // A click on a picture selects it, as a click on any object does in a word processor.
    const QPointF inDocument =
        point + QPointF(m_edit.horizontalScrollBar()->value(), m_edit.verticalScrollBar()->value());
    const int hit = m_edit.document()->documentLayout()->hitTest(inDocument, Qt::FuzzyHit);
    for (const int position : {hit, hit - 1}) {
        if (RectAt(position).contains(point)) {
            QTextCursor cursor(m_edit.document());
            cursor.setPosition(position);
            cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
            m_edit.setTextCursor(cursor);
            m_edit.setFocus(Qt::MouseFocusReason);
            return true;
        }
    }
    return false;
}

void PictureHandles::Drag(const QMouseEvent& event) {
    const QPoint moved = event.position().toPoint() - m_pressed;
    // Screen pixels to the picture's own, at the view's zoom.
    const double scale =
        m_startRect.width() > 0 ? double(m_startSize.width()) / m_startRect.width() : 1.0;
    const QPoint grow(qRound(((m_corner & 1) ? moved.x() : -moved.x()) * scale),
                      qRound(((m_corner & 2) ? moved.y() : -moved.y()) * scale));
    m_size = PictureRules::dragged(m_startSize, grow, !(event.modifiers() & Qt::ShiftModifier));
    update();
}

void PictureHandles::Release(const QMouseEvent& event) {
    Drag(event);
    m_corner = -1;
    if (m_size != m_startSize && SelectedPosition() >= 0) {
        QTextCursor cursor = m_edit.textCursor();
        RtfDocumentAdapter::resizePicture(cursor, m_size);
    }
    update();
}

QRect PictureHandles::DraggedRect() const {
    const double scale =
        m_startSize.width() > 0 ? double(m_startRect.width()) / m_startSize.width() : 1.0;
    QRect rect(QPoint(), QSize(qRound(m_size.width() * scale), qRound(m_size.height() * scale)));
    // The corner opposite the one dragged stays where it was.
    if (m_corner & 1)
        rect.moveLeft(m_startRect.left());
    else
        rect.moveRight(m_startRect.right());
    if (m_corner & 2)
        rect.moveTop(m_startRect.top());
    else
        rect.moveBottom(m_startRect.bottom());
    return rect;
}

void PictureHandles::paintEvent(QPaintEvent*) {
    const QRect picture = m_corner >= 0 ? DraggedRect() : PictureRect();
    if (picture.isEmpty())
        return;
    QPainter painter(this);
    const QColor ink = palette().color(QPalette::Highlight);
    painter.setPen(QPen(ink, 1, m_corner >= 0 ? Qt::DashLine : Qt::SolidLine));
    painter.drawRect(picture);
    for (int corner = 0; corner < 4; ++corner)
        painter.fillRect(HandleAt(picture, corner), ink);
}
