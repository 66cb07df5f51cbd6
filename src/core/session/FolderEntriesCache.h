#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// Whether a folder holds entries, for Delete Folder's enabling rule. The rule runs each time
// the commands' states are computed, and the answer costs a read of the whole Entry table
// (FolderID has no index), so the last answer is kept until the file or the folder changes.
class FolderEntriesCache {
public:
    // The file as one connection sees it: another connection's commits move dataVersion, the
    // connection's own writes move changes.
    struct FileState {
        std::int64_t dataVersion = 0;
        std::int64_t changes = 0;
        bool operator==(const FileState&) const = default;
    };

    // The answer for the folder in that state: the kept one, or what ask() says.
    bool HasEntries(const FileState& state, const std::string& folderId,
                    const std::function<bool()>& ask);
    // Forgets the answer (another journal was opened or the journal closed).
    void Clear() { m_state.reset(); }

private:
    std::optional<FileState> m_state;
    std::string m_folderId;
    bool m_hasEntries = false;
};
