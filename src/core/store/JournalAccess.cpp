#include "core/store/JournalAccess.h"

#include <filesystem>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace JournalAccess {

namespace {

std::string folderOf(const std::string& path) {
    const std::filesystem::path file(path);
    return file.has_parent_path() ? file.parent_path().string() : std::string(".");
}

} // namespace

bool WritableAsUser(const std::string& path) {
    if (::access(path.c_str(), W_OK) != 0)
        return false;
    // access() lets root write anything; the permission bits say what a user could.
    struct stat status {};
    if (::geteuid() == 0 && ::stat(path.c_str(), &status) == 0)
        return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
    return true;
}

ReadOnlyCause WhyReadOnly(const std::string& path) {
    const std::string folder = folderOf(path);
    struct statvfs disk {};
    if (::statvfs(folder.c_str(), &disk) == 0 && (disk.f_flag & ST_RDONLY) != 0)
        return ReadOnlyCause::Disk;
    if (!WritableAsUser(path))
        return ReadOnlyCause::File;
    if (!WritableAsUser(folder))
        return ReadOnlyCause::Folder;
    return ReadOnlyCause::None;
}

} // namespace JournalAccess
