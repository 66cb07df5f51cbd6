#pragma once

#include "core/platform/CommandState.h"

#include <array>
#include <functional>
#include <vector>

class CommandTarget;

// Carries menu, toolbar and accelerator commands to the objects that handle them.
//
// The route is the active pane, then the document, then the main frame, then the
// application. For a command id:
// - state(): the first target on the route with an update rule for the id decides; the rule
//   starts from "enabled exactly when some target on the route has a handler". Without any
//   rule, a handled command is enabled and an unhandled one disabled.
// - dispatch(): a command whose state is disabled is dropped; otherwise the first target on
//   the route with a handler runs it.
// An update rule and the handler may sit on different targets: a pane may decide whether the
// document's command is enabled while that pane is active.
//
// The router does not own its targets. A target leaves every link when it is destroyed, and
// the router detaches from its targets when it is destroyed itself.
class CommandRouter {
public:
    enum class Link { ActivePane, Document, MainFrame, Application };

    CommandRouter() = default;
    CommandRouter(const CommandRouter&) = delete;
    CommandRouter& operator=(const CommandRouter&) = delete;
    ~CommandRouter();

    // Puts a target on a link of the route; nullptr empties the link.
    void setLink(Link link, CommandTarget* target);
    CommandTarget* link(Link link) const { return m_links[index(link)]; }

    void setActivePane(CommandTarget* pane) { setLink(Link::ActivePane, pane); }
    void setDocument(CommandTarget* document) { setLink(Link::Document, document); }
    void setMainFrame(CommandTarget* frame) { setLink(Link::MainFrame, frame); }
    void setApplication(CommandTarget* application) { setLink(Link::Application, application); }

    // A command the veto refuses is disabled (and dropped) whatever the route says: the
    // commands that write while the journal is open for reading only.
    void setVeto(std::function<bool(CommandId)> veto) { m_veto = std::move(veto); }

    // Empties every link that holds the target.
    void forget(CommandTarget& target);

    // The targets in route order, without empty links; a target on two links comes once.
    std::vector<CommandTarget*> route() const;

    // What the menu item or toolbar button of the command shows now.
    CommandState state(CommandId id) const;

    // Runs the command if it is enabled and handled; returns whether a handler ran.
    bool dispatch(CommandId id);

private:
    static constexpr std::size_t index(Link link) { return static_cast<std::size_t>(link); }
    bool holds(const CommandTarget& target) const;

    std::array<CommandTarget*, 4> m_links{};
    std::function<bool(CommandId)> m_veto;
};
