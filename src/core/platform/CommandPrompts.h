#pragma once

#include "core/platform/CommandIds.h"

#include <QString>

#include <string_view>

// The string table behind the status bar and the tooltips, in the user's language. A command's
// string holds the status-bar prompt, a newline and the tooltip; commands without a string show no
// prompt.

// The whole string for a command, or empty when it has none.
QString commandString(CommandId id);

// The part shown in the status bar while the command is highlighted.
QString commandPrompt(CommandId id);

// The prompt of a command while it is disabled, where the reason is not plain to see (Delete
// Folder on a folder that holds something); empty for the rest, which keep their prompt.
QString commandDisabledPrompt(CommandId id);

// The part shown as the tooltip of a toolbar button; empty when the string has none.
QString commandTooltip(CommandId id);

// Text of a status-bar indicator pane ("CAP", "NUM", "SCRL"), or empty.
QString indicatorText(CommandId id);

// The message pane's text when nothing is highlighted.
QString idleMessage();
