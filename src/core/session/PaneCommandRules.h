#pragma once

#include "core/platform/CommandIds.h"

#include <functional>
#include <string>

// When the folder and topic panes' commands are enabled, decided from plain state so the
// rules can be checked as a table.

// The folder tree as its commands see it: the journal, the pane and the selected item.
struct FolderSelection {
    bool journalOpen = false;
    bool paneShown = false;
    bool hasSelection = false; // an item is selected and it carries a folder record
    bool isRoot = false;       // the selected item is the tree's root item
    bool hasChildren = false;
    std::string currentFolderId;
};

bool CanNewFolder(const FolderSelection& s);
bool CanRenameFolder(const FolderSelection& s);
// hasEntries asks the journal and is consulted only when everything else allows the delete.
bool CanDeleteFolder(const FolderSelection& s,
                     const std::function<bool(const std::string&)>& hasEntries);

// Rename Topic and Delete Topic act on one topic.
bool CanEditTopic(bool journalOpen, int selectedTopics);

// The commands that change the journal file (or open a dialog or window only for changing
// it), and the spelling check, whose corrections could never be saved: disabled while the
// journal is open for reading only.
bool CommandWritesJournal(CommandId id);
