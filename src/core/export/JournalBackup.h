#pragma once

#include <QString>
#include <string>

// A copy of a journal made with SQLite's online backup: page by page under a read lock, so
// it is consistent even while another connection or process is saving. The copy is written
// under a temporary name beside the target, checked, and only then given the target's name,
// so the target is never a half-written file.
struct BackupResult {
    bool ok = false;
    QString message; // why it failed
};

BackupResult BackupJournal(const std::string& source, const std::string& target,
                           bool overwrite = false);
