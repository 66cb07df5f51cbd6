#pragma once

#include "core/platform/CommandState.h"

#include <vector>

class CommandRouter;

// An object that can take part in command routing: a pane, the document, a frame, the
// application. Most targets derive from MappedCommandTarget (CommandMap.h) and list their
// commands in a table rather than implementing these by hand.
//
// A target knows the routers it sits on and leaves them when it is destroyed, so a pane that
// goes away while active never receives a command afterwards.
class CommandTarget {
public:
    CommandTarget() = default;
    CommandTarget(const CommandTarget&) = delete;
    CommandTarget& operator=(const CommandTarget&) = delete;
    virtual ~CommandTarget();

    // Runs this target's handler for the command; false when it has none.
    virtual bool handleCommand(CommandId id) = 0;

    // Whether this target has a handler for the command.
    virtual bool handlesCommand(CommandId id) const = 0;

    // Lets this target's update rule for the command decide; false when it has none.
    virtual bool updateCommand(CommandUpdate& update) = 0;

private:
    friend class CommandRouter;
    std::vector<CommandRouter*> m_routers;
};
