#include "gui/platform/CommandActions.h"

#include "core/platform/CommandPrompts.h"
#include "core/platform/CommandRouter.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>

namespace {
const char* const kCommandProperty = "commandId";
} // namespace

CommandActions::CommandActions(CommandRouter& router, QObject* parent)
    : QObject(parent), m_router(router) {
    m_pending.setSingleShot(true);
    m_pending.setInterval(0);
    connect(&m_pending, &QTimer::timeout, this, &CommandActions::refresh);
    // The active pane or window decides many states; Paste follows what the clipboard holds.
    connect(qApp, &QApplication::focusChanged, this, &CommandActions::requestRefresh);
    connect(QGuiApplication::clipboard(), &QClipboard::changed, this,
            &CommandActions::requestRefresh);
}

QAction* CommandActions::add(CommandId id, const QString& text, const QString& objectName) {
    auto* action = new QAction(text, this);
    action->setObjectName(objectName.isEmpty() ? QStringLiteral("command%1").arg(id) : objectName);
    bind(action, id);
    return action;
}

void CommandActions::bind(QAction* action, CommandId id) {
    action->setProperty(kCommandProperty, id);
    if (const QString tooltip = commandTooltip(id); !tooltip.isEmpty())
        action->setToolTip(tooltip);
    connect(action, &QAction::triggered, this, [this, action] { trigger(action); });
    connect(action, &QObject::destroyed, this, [this, action] { m_actions.removeAll(action); });
    m_actions.append(action);
    setEnabled(action, id, m_router.state(id).enabled);
}

void CommandActions::unbind(QAction* action) {
    m_actions.removeAll(action);
    disconnect(action, nullptr, this, nullptr);
}

QAction* CommandActions::action(CommandId id) const {
    for (QAction* action : m_actions) {
        if (commandOf(action) == id)
            return action;
    }
    return nullptr;
}

CommandId CommandActions::commandOf(const QAction* action) {
    return action->property(kCommandProperty).toUInt();
}

void CommandActions::setEnabled(QAction* action, CommandId id, bool enabled) {
    action->setEnabled(enabled);
    const QString why = enabled ? QString() : commandDisabledPrompt(id);
    action->setStatusTip(why.isEmpty() ? commandPrompt(id) : why);
}

void CommandActions::refresh() {
    // A copy: an update rule may end up adding or removing actions (the recent-file list).
    const QList<QAction*> actions = m_actions;
    for (QAction* action : actions) {
        const CommandState state = m_router.state(commandOf(action));
        if (action->isEnabled() != state.enabled)
            setEnabled(action, commandOf(action), state.enabled);
        if (action->isCheckable() && action->isChecked() != state.checked)
            action->setChecked(state.checked);
        if (state.text) {
            const QString text = QString::fromStdString(*state.text);
            if (action->text() != text)
                action->setText(text);
        }
    }
    m_pending.stop();
    emit refreshed();
}

void CommandActions::requestRefresh() {
    if (!m_pending.isActive())
        m_pending.start();
}

void CommandActions::watch(QMenu* menu) {
    connect(menu, &QMenu::aboutToShow, this, &CommandActions::refresh);
}

void CommandActions::trigger(QAction* action) {
    const CommandId id = commandOf(action);
    // A checkable action flips its own mark when clicked; the route decides it instead.
    m_router.dispatch(id);
    refresh();
    if (action->isCheckable())
        action->setChecked(m_router.state(id).checked);
}
