#include "core/browser/EntrySelection.h"

#include "core/browser/BrowserMessages.h"
#include "core/browser/DropRules.h"
#include "core/platform/TextEncoding.h"

#include <QCoreApplication>

#include <algorithm>

namespace EntrySelection {

namespace {

std::string tr(const char* text, int count = -1) {
    return textToStored(QCoreApplication::translate("EntrySelection", text, nullptr, count));
}

bool contains(const std::vector<std::string>& ids, const std::string& id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

} // namespace

std::string ConfirmDelete(int count) {
    if (count == 1)
        return BrowserMessages::kConfirmEntryDelete;
    return tr("Delete these %n entries?", count);
}

std::string ConfirmMove(int count) {
    if (count == 1)
        return BrowserMessages::kConfirmEntryMove;
    return tr("Do you really want to move these %n entries to a new folder?", count);
}

std::string CannotFileThere() {
    return tr("Entries are filed in folders, not at the top of the journal. Choose a folder.");
}

std::string ChooseFolderForEntries(int count) {
    if (count == 1)
        return tr("Move the entry to this folder:");
    return tr("Move %n entries to this folder:", count);
}

std::string ChooseFolderForFolder() {
    return tr("Move the folder, with everything in it, into this folder:");
}

std::string FolderCannotGoThere() {
    return tr("A folder cannot be moved into itself or into a folder inside it.");
}

std::vector<std::string> EntriesToMove(const std::vector<EntryRow>& rows,
                                       const std::string& targetFolderId) {
    std::vector<std::string> ids;
    for (const EntryRow& row : rows)
        if (EntryDropAllowed(targetFolderId, row.folderId))
            ids.push_back(row.entryId);
    return ids;
}

TopicChange TopicChangeFor(const std::vector<std::string>& carriedByAll,
                           const std::vector<std::string>& ticked) {
    TopicChange change;
    for (const std::string& topic : ticked)
        if (!contains(carriedByAll, topic) && !contains(change.added, topic))
            change.added.push_back(topic);
    for (const std::string& topic : carriedByAll)
        if (!contains(ticked, topic))
            change.removed.push_back(topic);
    return change;
}

} // namespace EntrySelection
