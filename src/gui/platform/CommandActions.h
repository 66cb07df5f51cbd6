#pragma once

#include "core/platform/CommandIds.h"

#include <QList>
#include <QObject>

class CommandRouter;
class QAction;
class QMenu;

// Binds QActions (menu items, toolbar buttons, shortcuts) to command ids and the command
// router: triggering an action dispatches its id along the route, and refresh() gives every
// action the enabled, checked and text state the route decides. State is refreshed before a
// watched menu opens and whenever the event loop goes idle, as the user sees it change.
class CommandActions : public QObject {
    Q_OBJECT

public:
    CommandActions(CommandRouter& router, QObject* parent = nullptr);

    // A new action for the command, owned by this object; its objectName is "command<id>"
    // unless a name is given. Its text is shown as given (with its mnemonic).
    QAction* add(CommandId id, const QString& text, const QString& objectName = {});
    // Binds an action made elsewhere.
    void bind(QAction* action, CommandId id);
    // Forgets an action (it is about to be deleted).
    void unbind(QAction* action);

    // The first action bound to the id, or nullptr.
    QAction* action(CommandId id) const;
    static CommandId commandOf(const QAction* action);

    // Refreshes the state of every bound action from the router.
    void refresh();
    // Refreshes before the menu is shown.
    void watch(QMenu* menu);

private:
    void trigger(QAction* action);

    CommandRouter& m_router;
    QList<QAction*> m_actions;
};
