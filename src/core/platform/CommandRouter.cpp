#include "core/platform/CommandRouter.h"

#include "core/platform/CommandTarget.h"

#include <algorithm>

CommandRouter::~CommandRouter() {
    for (CommandTarget* target : route()) {
        std::erase(target->m_routers, this);
    }
}

void CommandRouter::setLink(Link link, CommandTarget* target) {
    CommandTarget*& slot = m_links[index(link)];
    if (slot == target) {
        return;
    }
    CommandTarget* previous = slot;
    slot = target;
    if (previous != nullptr && !holds(*previous)) {
        std::erase(previous->m_routers, this);
    }
    if (target != nullptr &&
        std::ranges::find(target->m_routers, this) == target->m_routers.end()) {
        target->m_routers.push_back(this);
    }
}

void CommandRouter::forget(CommandTarget& target) {
    for (CommandTarget*& slot : m_links) {
        if (slot == &target) {
            slot = nullptr;
        }
    }
    std::erase(target.m_routers, this);
}

bool CommandRouter::holds(const CommandTarget& target) const {
    return std::ranges::find(m_links, &target) != m_links.end();
}

std::vector<CommandTarget*> CommandRouter::route() const {
    std::vector<CommandTarget*> targets;
    for (CommandTarget* target : m_links) {
        if (target != nullptr && std::ranges::find(targets, target) == targets.end()) {
            targets.push_back(target);
        }
    }
    return targets;
}

CommandState CommandRouter::state(CommandId id) const {
    const std::vector<CommandTarget*> targets = route();
    const bool handled = std::ranges::any_of(
        targets, [id](const CommandTarget* target) { return target->handlesCommand(id); });
    CommandUpdate update(id, handled);
    for (CommandTarget* target : targets) {
        if (target->updateCommand(update)) {
            break;
        }
    }
    if (m_veto && m_veto(id)) {
        update.enable(false);
    }
    return update.state();
}

bool CommandRouter::dispatch(CommandId id) {
    if (!state(id).enabled) {
        return false;
    }
    // The handler may change the route or destroy this router; nothing here is touched after
    // it has run.
    for (CommandTarget* target : route()) {
        if (target->handlesCommand(id)) {
            return target->handleCommand(id);
        }
    }
    return false;
}
