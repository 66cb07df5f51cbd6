#include "core/session/JournalFileIdentity.h"

#include <dirent.h>
#include <sys/stat.h>

#include <memory>

void JournalFileIdentity::Record(const std::string& path) {
    struct stat info {};
    m_recorded = ::stat(path.c_str(), &info) == 0;
    m_path = path;
    m_device = info.st_dev;
    m_inode = info.st_ino;
}

bool JournalFileIdentity::IsRecordedFile(const std::string& path) const {
    struct stat info {};
    return m_recorded && ::stat(path.c_str(), &info) == 0 && info.st_dev == m_device &&
           info.st_ino == m_inode;
}

JournalFileIdentity::Fate JournalFileIdentity::Now() const {
    if (!m_recorded || IsRecordedFile(m_path))
        return Fate::Same;
    struct stat info {};
    if (::stat(m_path.c_str(), &info) == 0)
        return Fate::Replaced; // another file has the name (a sync tool's copy, say)
    return StillLinked() ? Fate::Moved : Fate::Deleted;
}

bool JournalFileIdentity::StillLinked() const {
    // The open connection keeps a descriptor on the file; its link count says whether any
    // name is left. Without /proc nothing is known, and a gone name reads as deleted.
    const std::unique_ptr<DIR, int (*)(DIR*)> folder(::opendir("/proc/self/fd"), ::closedir);
    if (!folder)
        return false;
    while (const dirent* item = ::readdir(folder.get())) {
        struct stat info {};
        const std::string link = std::string("/proc/self/fd/") + item->d_name;
        if (::stat(link.c_str(), &info) == 0 && info.st_dev == m_device && info.st_ino == m_inode)
            return info.st_nlink > 0;
    }
    return false;
}
