#include "gui/platform/FixedToolBar.h"

#include "gui/platform/ControlId.h"

#include <QMainWindow>
#include <QToolBar>

QToolBar* makeFixedToolBar(QMainWindow& window, const QString& objectName, int controlId) {
    auto* bar = new QToolBar(QStringLiteral("Toolbar"), &window);
    bar->setObjectName(objectName);
    setControlId(bar, controlId);
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(32, 32));
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    return bar;
}
