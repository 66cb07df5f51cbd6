#include "browser/PaneCommandRules.h"

namespace {
bool listsAllEntries(const FolderSelection& s) {
    return s.currentFolderId == "{All Entries}";
}
} // namespace

bool CanNewFolder(const FolderSelection& s) {
    return s.journalOpen && s.paneShown && s.hasSelection && !listsAllEntries(s);
}

bool CanRenameFolder(const FolderSelection& s) {
    return s.journalOpen && s.hasSelection && !s.isRoot && !listsAllEntries(s);
}

bool CanDeleteFolder(const FolderSelection& s,
                     const std::function<bool(const std::string&)>& hasEntries) {
    if (!s.journalOpen || !s.hasSelection || s.isRoot || s.hasChildren)
        return false;
    return !hasEntries(s.currentFolderId);
}

bool CanEditTopic(bool journalOpen, int selectedTopics) {
    return journalOpen && selectedTopics == 1;
}
