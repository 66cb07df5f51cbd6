#include "support/SmallDisk.h"

#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

SmallDisk::SmallDisk(const std::string& folder, int kilobytes)
    : m_folder(folder), m_filler(folder + "/filler") {
    std::filesystem::create_directories(folder);
    m_options = "size=" + std::to_string(kilobytes) + "k,mode=0777";
    m_mounted = ::mount("tmpfs", folder.c_str(), "tmpfs", 0, m_options.c_str()) == 0;
}

SmallDisk::~SmallDisk() {
    if (m_mounted)
        ::umount2(m_folder.c_str(), MNT_DETACH);
}

void SmallDisk::fill() {
    const int fd = ::open(m_filler.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (fd < 0)
        return;
    // Large blocks first, then single bytes, so not even a partial page is left.
    for (const std::size_t block : {std::size_t{65536}, std::size_t{512}, std::size_t{1}}) {
        const std::string bytes(block, 'f');
        while (::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size())) {
        }
    }
    ::close(fd);
}

bool SmallDisk::setReadOnly(bool readOnly) {
    const unsigned long flags = MS_REMOUNT | (readOnly ? MS_RDONLY : 0);
    return m_mounted && ::mount("tmpfs", m_folder.c_str(), "tmpfs", flags, m_options.c_str()) == 0;
}
