#pragma once

#include "core/platform/CommandIds.h"

#include <QList>
#include <QObject>
#include <QTimer>

class CommandRouter;
class QAction;
class QMenu;

// Binds QActions (menu items, toolbar buttons, shortcuts) to command ids and the command
// router: triggering an action dispatches its id along the route, and refresh() gives every
// action the enabled, checked and text state the route decides. State is refreshed when what it
// depends on changes: before a watched menu opens, after a command ran, on a focus or clipboard
// change, and when the window's owner asks (requestRefresh: a selection, the journal, the
// text). Never merely because the event loop woke up: some rules ask the journal file or the
// clipboard's owner, and an idle loop must stay idle.
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
    // Gives the action the enabled state and the status tip that goes with it.
    static void setEnabled(QAction* action, CommandId id, bool enabled);

    // Refreshes the state of every bound action from the router.
    void refresh();
    // Refreshes once the current event has been handled; many requests make one refresh.
    void requestRefresh();
    // Refreshes before the menu is shown.
    void watch(QMenu* menu);

signals:
    void refreshed();

private:
    void trigger(QAction* action);

    CommandRouter& m_router;
    QList<QAction*> m_actions;
    QTimer m_pending;
};
