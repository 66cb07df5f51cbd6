#include "gui/app/CBackgroundDlg.h"

#include <QChildEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

CBackgroundDlg::CBackgroundDlg(QWidget* parent) : QDialog(parent) {}

bool CBackgroundDlg::SetBackground(const QString& resource, int mode) {
    return TakeBackground(m_image.LoadFromResource(resource), mode);
}

bool CBackgroundDlg::SetSvgBackground(const QByteArray& svg, int mode) {
    return TakeBackground(m_image.LoadFromSvg(svg), mode);
}

bool CBackgroundDlg::TakeBackground(bool loaded, int mode) {
    m_mode = mode;
    // Labels show the picture (see eventFilter); their own look stays otherwise.
    setStyleSheet(loaded ? QStringLiteral("QLabel { background: transparent; }") : QString());
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

void CBackgroundDlg::childEvent(QChildEvent* event) {
    QDialog::childEvent(event);
    if (event->added() && event->child()->isWidgetType())
        event->child()->installEventFilter(this);
}

bool CBackgroundDlg::eventFilter(QObject* watched, QEvent* event) {
    // Push buttons and labels show the picture: it is painted under them before they paint
    // themselves with a transparent background. Other controls keep their own background.
    if (event->type() == QEvent::Paint && m_image.IsLoaded() &&
        (qobject_cast<QPushButton*>(watched) || qobject_cast<QLabel*>(watched))) {
        auto* control = static_cast<QWidget*>(watched);
        if (control->parentWidget() == this) {
            QPainter painter(control);
            painter.translate(-control->pos());
            PaintBackground(painter, size());
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CBackgroundDlg::paintEvent(QPaintEvent* event) {
    if (!m_image.IsLoaded()) {
        QDialog::paintEvent(event);
        return;
    }
    QPainter painter(this);
    PaintBackground(painter, size());
}
