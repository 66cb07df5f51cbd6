#include "gui/platform/FixedToolBar.h"

#include "gui/platform/ControlId.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QToolBar>
#include <QToolButton>

QToolBar* makeFixedToolBar(QMainWindow& window, const QString& objectName, int controlId) {
    auto* bar = new QToolBar(QCoreApplication::translate("FixedToolBar", "Toolbar"), &window);
    bar->setObjectName(objectName);
    setControlId(bar, controlId);
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(32, 32));
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    nameOverflowButton(bar);
    return bar;
}

void nameOverflowButton(QToolBar* bar) {
    if (auto* more = bar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(QCoreApplication::translate("FixedToolBar", "More buttons"));
}
