#pragma once

#include <QRect>
#include <QSize>
#include <QWidget>

class QMouseEvent;
class QTextEdit;

// Resize handles for the picture selected in the text: an overlay on the view's viewport that
// frames the picture and draws a handle at each corner. A click on a picture selects it; a
// corner dragged shows the new size and resizes the picture when the button is let go (one
// step to undo), in its proportions unless Shift is held.
class PictureHandles : public QWidget {
public:
    explicit PictureHandles(QTextEdit& edit);

    // The selected picture as laid out, in viewport coordinates; empty when none is selected.
    QRect PictureRect() const;
    // The handle at each corner (top left, top right, bottom left, bottom right) of a rectangle.
    static QRect HandleAt(const QRect& picture, int corner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The picture at a text position as laid out, in viewport coordinates; empty when the
    // character there is no picture.
    QRect RectAt(int position) const;
    int SelectedPosition() const; // -1 when the selection is not one picture
    bool Press(const QMouseEvent& event);
    void Drag(const QMouseEvent& event);
    void Release(const QMouseEvent& event);
    // The frame the dragged picture will take.
    QRect DraggedRect() const;

    QTextEdit& m_edit;
    int m_corner = -1; // the corner being dragged, -1 when none
    QPoint m_pressed;
    QRect m_startRect;
    QSize m_startSize; // the picture's shown size in its own pixels, before zoom
    QSize m_size;      // the size it takes when let go
};
