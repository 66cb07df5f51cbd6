#include "core/platform/CommandTarget.h"

#include "core/platform/CommandRouter.h"

CommandTarget::~CommandTarget() {
    // forget() edits m_routers, so walk a copy.
    const std::vector<CommandRouter*> routers = m_routers;
    for (CommandRouter* router : routers) {
        router->forget(*this);
    }
}
