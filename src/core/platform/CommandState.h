#pragma once

#include "core/platform/CommandIds.h"

#include <optional>
#include <string>
#include <utility>

// What a menu item or toolbar button shows for a command.
struct CommandState {
    bool enabled = false;
    bool checked = false; // unchecked unless an update rule checks it
    // New item text, or nothing when the item keeps the text it has.
    std::optional<std::string> text;

    bool operator==(const CommandState&) const = default;
};

// Handed to an update rule, which sets what it decides and leaves the rest alone.
class CommandUpdate {
public:
    CommandUpdate(CommandId id, bool handled) : m_id(id) { m_state.enabled = handled; }

    // The id being updated; a rule for a range of ids learns which one.
    CommandId id() const { return m_id; }

    void enable(bool on = true) { m_state.enabled = on; }
    void setChecked(bool on = true) { m_state.checked = on; }
    void setText(std::string text) { m_state.text = std::move(text); }

    const CommandState& state() const { return m_state; }

private:
    CommandId m_id;
    CommandState m_state;
};
