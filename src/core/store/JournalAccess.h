#pragma once

#include <string>

// Whether a journal can be written, judged as the user sees the file system: a file or folder
// without write permission counts as read-only even for root, who could write it anyway, so
// that the program behaves the same for everyone.
namespace JournalAccess {

enum class ReadOnlyCause {
    None,   // the journal may be written
    File,   // the file itself is read-only
    Folder, // the folder cannot be written (SQLite writes its rollback journal there)
    Disk,   // the file system is mounted read-only
};

// Why the existing journal at path cannot be written, if it cannot.
ReadOnlyCause WhyReadOnly(const std::string& path);

// Whether the file or folder at path may be written by this user (see above).
bool WritableAsUser(const std::string& path);

} // namespace JournalAccess
