#pragma once

#include <cstdio>
#include <string>

// A small tmpfs mounted on a folder, which a test can fill to the last byte: writes then fail as
// on a full disk (ENOSPC). Mounting needs root (or CAP_SYS_ADMIN); mounted() says if it worked.
class SmallDisk {
public:
    SmallDisk(const std::string& folder, int kilobytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }
    // Takes every free byte with a filler file.
    void fill();
    // Frees what fill() took.
    void makeRoom() { std::remove(m_filler.c_str()); }
    // Mounts it again for reading only, or for writing again; false when that fails.
    bool setReadOnly(bool readOnly);

private:
    std::string m_folder;
    std::string m_filler;
    std::string m_options;
    bool m_mounted = false;
};
