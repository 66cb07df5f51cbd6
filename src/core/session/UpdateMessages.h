#pragma once

#include "core/session/MessageBoxRequest.h"

// Help > Check for Updates... and Configure Auto Updates... where the program has no updater
// of its own: on Linux the system's package manager brings new versions, so the commands say
// where to look rather than doing nothing.
namespace UpdateMessages {

MessageBoxRequest CheckForUpdates();
MessageBoxRequest ConfigureUpdates();

} // namespace UpdateMessages
