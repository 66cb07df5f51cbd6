#pragma once

#include "core/session/RecoveryCopy.h"

#include <QString>

#include <string>
#include <vector>

class BlowfishEngine;

// Where recovery copies live: $XDG_STATE_HOME/Quillbook/recovery (~/.local/state without it),
// readable by the user alone. A copy's file is named after digests of its journal and entry,
// so a journal finds its own without reading anyone else's, and a new one replaces the last.
// Journals are named by RecoveryCopy::journalName.
class RecoveryFolder {
public:
    RecoveryFolder();
    explicit RecoveryFolder(QString path) : m_path(std::move(path)) {}

    const QString& path() const { return m_path; }
    QString fileFor(const std::string& journal, const std::string& entryId) const;

    // Writes the sealed copy under a temporary name, syncs it and renames it over the last
    // one, mode 0600. Empty when written, otherwise why not, in words.
    QString write(const RecoveryCopy& copy, const BlowfishEngine& keyed) const;
    // The journal's copies that open with its key, oldest first; others are left alone.
    std::vector<RecoveryCopy> copiesOf(const std::string& journal,
                                       const BlowfishEngine& keyed) const;
    // False when a copy was there and could not be removed.
    bool remove(const std::string& journal, const std::string& entryId) const;

private:
    QString journalPrefix(const std::string& journal) const;

    QString m_path;
};
