#pragma once

#include "core/browser/EntryRow.h"

#include <string>
#include <vector>

// What the entry list does with several entries selected, and what Move to Folder says of
// entries and folders: the questions and prompts, and which entries a move or a topic change
// touches. Texts are stored bytes, translated.
namespace EntrySelection {

// The Delete question for count entries; for one entry the question users know.
std::string ConfirmDelete(int count);
// The question before filing count entries in another folder (a drop, Move to Folder, Paste).
std::string ConfirmMove(int count);
// The message when the folder picked cannot hold entries (the top of the journal).
std::string CannotFileThere();
// The folder picker's prompts for Move to Folder.
std::string ChooseFolderForEntries(int count);
std::string ChooseFolderForFolder();
// A folder picked for a folder that is the folder itself or lies inside it.
std::string FolderCannotGoThere();

// The ids of the rows a move to targetFolderId files elsewhere: the drop rules of one entry,
// applied to each, so rows already there are left out.
std::vector<std::string> EntriesToMove(const std::vector<EntryRow>& rows,
                                       const std::string& targetFolderId);

// What the topic choice for several entries changes: a topic ticked that not every entry
// carried is added to all; one every entry carried and now unticked is taken from all; the
// rest stay as each entry has them.
struct TopicChange {
    std::vector<std::string> added;
    std::vector<std::string> removed;
    bool empty() const { return added.empty() && removed.empty(); }
};
TopicChange TopicChangeFor(const std::vector<std::string>& carriedByAll,
                           const std::vector<std::string>& ticked);

} // namespace EntrySelection
