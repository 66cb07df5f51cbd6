#include "gui/browser/PaneContextMenu.h"

#include "gui/platform/CommandActions.h"

#include <QApplication>

PaneContextMenu::PaneContextMenu(QWidget* pane, CommandTarget& paneTarget, CommandTarget& document,
                                 std::initializer_list<Item> items)
    : QMenu(pane) {
    m_route.setActivePane(&paneTarget);
    m_route.setDocument(&document);
    for (const Item& item : items) {
        if (item.id == 0) {
            addSeparator();
            continue;
        }
        QAction* action = addAction(QCoreApplication::translate("PaneContextMenu", item.text));
        action->setObjectName(QString::fromLatin1(item.objectName));
        action->setData(item.id);
        const CommandId id = item.id;
        connect(action, &QAction::triggered, this, [this, id] { m_route.dispatch(id); });
    }
    connect(this, &QMenu::aboutToShow, this, &PaneContextMenu::refreshStates);
}

void PaneContextMenu::refreshStates() {
    for (QAction* action : actions()) {
        if (action->isSeparator())
            continue;
        const CommandId id = action->data().toUInt();
        CommandActions::setEnabled(action, id, m_route.state(id).enabled);
    }
}

void PaneContextMenu::popupAt(const QPoint& globalPos) {
    popup(globalPos);
}

void NotifyWhenFocused(QWidget* pane, std::function<void()> activated) {
    QObject::connect(qApp, &QApplication::focusChanged, pane,
                     [pane, activated = std::move(activated)](QWidget*, QWidget* now) {
                         if (now && (now == pane || pane->isAncestorOf(now)))
                             activated();
                     });
}
