#pragma once

#include <QString>
#include <sys/types.h>
#include <utility>
#include <vector>

// Which files a command may write: never a journal it reads, whatever path names it (the same
// device and inode, so hard links and symlinked folders count), and a file that exists only
// when the user asked to replace it.
class OutputRule {
public:
    OutputRule(const std::vector<QString>& journals, bool replace);

    // Empty when the file may be written; otherwise why not, naming the path.
    QString refusal(const QString& path) const;
    bool replaces() const { return m_replace; }

private:
    std::vector<std::pair<dev_t, ino_t>> m_journals;
    bool m_replace;
};
