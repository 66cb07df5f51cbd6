#include "gui/platform/PaletteWatch.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

PaletteWatch::PaletteWatch(QWidget* widget, std::function<void()> apply)
    : QObject(widget), m_apply(std::move(apply)) {
    widget->installEventFilter(this);
}

void PaletteWatch::follow(QWidget* widget, std::function<void()> apply) {
    apply();
    new PaletteWatch(widget, std::move(apply)); // owned by the widget
}

bool PaletteWatch::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
        m_apply();
        break;
    case QEvent::ApplicationPaletteChange:
        // Comes before the widget takes the new palette on.
        QTimer::singleShot(0, this, m_apply);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void setTextColour(std::initializer_list<QWidget*> widgets, const QColor& colour) {
    for (QWidget* widget : widgets) {
        QPalette colours = widget->palette();
        colours.setColor(QPalette::WindowText, colour);
        colours.setColor(QPalette::ButtonText, colour);
        widget->setPalette(colours);
        // On a Dark band Qt would otherwise draw a label in the Light role.
        widget->setForegroundRole(QPalette::WindowText);
    }
}
