#pragma once

#include <string>
#include <sys/types.h>

// Which file a journal's path named when it was opened (device and inode), so that a file
// deleted, moved, renamed or replaced behind the program's back is told as what happened
// rather than as the "read-only" SQLite reports for it.
class JournalFileIdentity {
public:
    enum class Fate { Same, Deleted, Moved, Replaced };

    // Takes the file at path as the journal's; an unreadable path records nothing.
    void Record(const std::string& path);
    void Clear() { m_recorded = false; }
    // What became of the recorded file since; Same when nothing was recorded.
    Fate Now() const;
    // Whether path names the recorded file itself (a rename found by the user).
    bool IsRecordedFile(const std::string& path) const;
    // The name the recorded file has now when it was renamed (or moved on its file system);
    // empty when it has none or it cannot be known.
    std::string NewPath() const;

private:
    // Whether the recorded file still has a name somewhere: a file the program keeps open is
    // found among its open descriptors, with its link count.
    bool StillLinked() const;
    // The descriptor link (/proc/self/fd/N) of the recorded file; empty when none is found.
    std::string OpenDescriptor() const;

    std::string m_path;
    dev_t m_device = 0;
    ino_t m_inode = 0;
    bool m_recorded = false;
};
