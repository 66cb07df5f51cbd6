#pragma once

#include "gui/app/CDibImage.h"

#include <QDialog>

// A dialog that paints a picture behind its controls (tiled, stretched or centred); its push
// buttons and labels let the picture show through. Without a picture it is a plain dialog.
class CBackgroundDlg : public QDialog {
    Q_OBJECT

public:
    enum Mode { Tile = 0, Stretch = 1, Centre = 2 };

    explicit CBackgroundDlg(QWidget* parent = nullptr);

    // Loads the picture; false (and a plain dialog) when it cannot be loaded.
    bool SetBackground(const QString& resource, int mode);
    // The same with an SVG picture given as its text.
    bool SetSvgBackground(const QByteArray& svg, int mode);
    const CDibImage& Image() const { return m_image; }
    int BackgroundMode() const { return m_mode; }

    // Paints the background of a client area of the given size, as the dialog does.
    void PaintBackground(QPainter& painter, const QSize& area) const;

protected:
    void childEvent(QChildEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool TakeBackground(bool loaded, int mode);

    CDibImage m_image;
    int m_mode = Tile;
};
