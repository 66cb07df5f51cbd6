#pragma once

#include <QColor>
#include <QObject>
#include <functional>
#include <initializer_list>

class QWidget;

// Qt here cannot ask the desktop for its colour scheme; a switch to dark mode (or a new style
// or style sheet) arrives as a palette change instead. Colours a widget works out from its
// palette are worked out again then.
class PaletteWatch : public QObject {
public:
    // Calls apply now and after every palette or style change of the widget, which owns the
    // watch.
    static void follow(QWidget* widget, std::function<void()> apply);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PaletteWatch(QWidget* widget, std::function<void()> apply);

    std::function<void()> m_apply;
};

// Text of the given colour on the widgets (labels and buttons on a band of our own).
void setTextColour(std::initializer_list<QWidget*> widgets, const QColor& colour);
