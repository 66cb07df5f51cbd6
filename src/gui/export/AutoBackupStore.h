#pragma once

#include "core/export/AutoBackup.h"

// The automatic backup settings in the user's profile ("Settings"/"AutoBackup",
// "AutoBackupFolder", "AutoBackupKeep"); off when never set.
namespace AutoBackupStore {
AutoBackupSettings load();
void save(const AutoBackupSettings& settings);
} // namespace AutoBackupStore
