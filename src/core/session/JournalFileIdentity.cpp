#include "core/session/JournalFileIdentity.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

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
    struct stat info {};
    const std::string link = OpenDescriptor();
    return !link.empty() && ::stat(link.c_str(), &info) == 0 && info.st_nlink > 0;
}

std::string JournalFileIdentity::NewPath() const {
    const std::string link = OpenDescriptor();
    if (link.empty())
        return {};
    std::string target(4096, '\0');
    const ssize_t length = ::readlink(link.c_str(), target.data(), target.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= target.size())
        return {};
    target.resize(static_cast<std::size_t>(length));
    // The kernel's name for an unlinked file ends in " (deleted)", which names nothing.
    return target != m_path && IsRecordedFile(target) ? target : std::string();
}

std::string JournalFileIdentity::OpenDescriptor() const {
    // The open connection keeps a descriptor on the file. Without /proc nothing is known, and
    // a gone name reads as deleted.
    const std::unique_ptr<DIR, int (*)(DIR*)> folder(::opendir("/proc/self/fd"), ::closedir);
    if (!folder)
        return {};
    while (const dirent* item = ::readdir(folder.get())) {
        struct stat info {};
        const std::string link = std::string("/proc/self/fd/") + item->d_name;
        if (::stat(link.c_str(), &info) == 0 && info.st_dev == m_device && info.st_ino == m_inode)
            return link;
    }
    return {};
}
