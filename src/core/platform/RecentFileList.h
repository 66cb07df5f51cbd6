#pragma once

#include <cstddef>
#include <string>
#include <vector>

class QSettings;

// The recently used journals, most recent first, as the File menu and the Welcome dialog
// show them. Paths are file-system bytes (what the journal session opens).
//
// Kept in the profile settings as "Recent File List"/"File1".."File4", as text, or as bytes
// for a path that is not valid UTF-8 (so it reopens). The owner loads it
// at start-up and saves it after each change, so a crash does not lose the list.
class RecentFileList {
public:
    static constexpr std::size_t kDefaultSize = 4;

    explicit RecentFileList(std::size_t maxSize = kDefaultSize);

    // Puts the path first, moving it up when it is already listed; the oldest path falls off
    // the end when the list is full. The path is made absolute and clean first, so two
    // spellings of one file take one place. An empty path is ignored.
    void add(const std::string& path);

    // Removes the entry at the index; an index past the end is ignored.
    void remove(std::size_t index);

    // The path at the index, or empty past the end (an empty list has an empty first entry).
    std::string path(std::size_t index) const;

    const std::vector<std::string>& paths() const { return m_paths; }
    std::size_t size() const { return m_paths.size(); }
    bool empty() const { return m_paths.empty(); }
    std::size_t maxSize() const { return m_maxSize; }

    // Menu text (UTF-8) of the entry at the index: its number as the mnemonic, then the path
    // as the file system names it (QFile::decodeName), with ampersands doubled so that a path
    // holding one is shown as it is.
    std::string menuText(std::size_t index) const;

    // Replaces the list with what the settings hold. Empty and repeated values are skipped,
    // so the first entry is always the most recent path there is.
    void load(QSettings& settings);

    // Writes the list; keys beyond the list's length are removed.
    void save(QSettings& settings) const;

private:
    std::size_t m_maxSize;
    std::vector<std::string> m_paths;
};
