#include "app/CBackgroundDlg.h"

#include <QPainter>

CBackgroundDlg::CBackgroundDlg(QWidget* parent) : QDialog(parent) {}

bool CBackgroundDlg::SetBackground(const QString& resource, int mode) {
    m_mode = mode;
    const bool loaded = m_image.LoadFromResource(resource);
    // Push buttons and labels (not sliders) show the picture; their own look stays otherwise.
    setStyleSheet(loaded ? QStringLiteral("QPushButton, QLabel { background: transparent; }")
                         : QString());
    update();
    return loaded;
}

void CBackgroundDlg::PaintBackground(QPainter& painter, const QSize& area) const {
    const int w = area.width();
    const int h = area.height();
    if (m_mode == Stretch) {
        m_image.StretchDraw(painter, 0, 0, w, h);
    } else if (m_mode == Centre) {
        m_image.Draw(painter, (w - m_image.Width()) / 2, (h - m_image.Height()) / 2);
    } else {
        const int tileW = m_image.Width();
        const int tileH = m_image.Height();
        if (tileW <= 0 || tileH <= 0)
            return;
        for (int y = 0; y < h; y += tileH) {
            for (int x = 0; x < w; x += tileW)
                m_image.Draw(painter, x, y);
        }
    }
}

void CBackgroundDlg::paintEvent(QPaintEvent* event) {
    if (!m_image.IsLoaded()) {
        QDialog::paintEvent(event);
        return;
    }
    QPainter painter(this);
    PaintBackground(painter, size());
}
