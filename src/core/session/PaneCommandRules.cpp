#include "core/session/PaneCommandRules.h"

#include <algorithm>
#include <iterator>

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

bool CommandWritesJournal(CommandId id) {
    static constexpr CommandId kWriting[] = {
        ID_FILE_NEW_ENTRY,         ID_FILE_SAVE_ENTRY,
        ID_FILE_DELETE_ENTRY,      ID_EDIT_COMMENT,
        ID_ENTRY_CHANGE_DATE,      ID_EDIT_ENTRY_TOPICS,
        ID_FILE_NEW_FOLDER,        ID_FILE_RENAME_FOLDER,
        ID_FILE_DELETE_FOLDER,     ID_TOPIC_NEW,
        ID_FILE_RENAME_TOPIC,      ID_TOPIC_DELETE,
        ID_EDIT_MASTER_TOPIC_LIST, ID_FILE_JOURNAL_OPTIONS,
        ID_FILE_CHANGE_PASSWORD,   ID_TOOLS_CHECK_SPELLING,
        ID_ENTRY_MOVE_TO_FOLDER,
    };
    return std::find(std::begin(kWriting), std::end(kWriting), id) != std::end(kWriting);
}
