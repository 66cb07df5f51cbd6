#pragma once

#include <QString>
#include <cstddef>
#include <functional>
#include <string>

// A copy of a journal made with SQLite's online backup: page by page under a read lock, so
// it is consistent even while another connection or process is saving. The copy is written
// under a temporary name beside the target, checked, and only then given the target's name,
// so the target is never a half-written file.
struct BackupResult {
    bool ok = false;
    bool cancelled = false;
    QString message; // why it failed
};

// Told as the pages are copied; returning false cancels the backup, which leaves no file.
using BackupProgress = std::function<bool(std::size_t pagesDone, std::size_t pages)>;

BackupResult BackupJournal(const std::string& source, const std::string& target,
                           bool overwrite = false, const BackupProgress& progress = {});
