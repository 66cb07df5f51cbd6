#include "core/browser/EntrySelection.h"

#include "core/browser/BrowserMessages.h"
#include "core/browser/DropRules.h"

#include <QCoreApplication>

#include <algorithm>

namespace EntrySelection {

namespace {

bool contains(const std::vector<std::string>& ids, const std::string& id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

} // namespace

std::string ConfirmDelete(int count) {
    if (count == 1)
        return BrowserMessages::Text(BrowserMessages::kConfirmEntryDelete);
    return QCoreApplication::translate("EntrySelection", "Delete these %n entries?", nullptr, count)
        .toStdString();
}

std::string ConfirmMove(int count) {
    if (count == 1)
        return BrowserMessages::Text(BrowserMessages::kConfirmEntryMove);
    return QCoreApplication::translate(
               "EntrySelection", "Do you really want to move these %n entries to a new folder?",
               nullptr, count)
        .toStdString();
}

std::string CannotFileThere() {
    return QCoreApplication::translate(
               "EntrySelection",
               "Entries are filed in folders, not at the top of the journal. Choose a folder.")
        .toStdString();
}

std::string ChooseFolderForEntries(int count) {
    if (count == 1)
        return QCoreApplication::translate("EntrySelection", "Move the entry to this folder:")
            .toStdString();
    return QCoreApplication::translate("EntrySelection", "Move %n entries to this folder:", nullptr,
                                       count)
        .toStdString();
}

std::string ChooseFolderForFolder() {
    return QCoreApplication::translate("EntrySelection",
                                       "Move the folder, with everything in it, into this folder:")
        .toStdString();
}

std::string FolderCannotGoThere() {
    return QCoreApplication::translate(
               "EntrySelection", "A folder cannot be moved into itself or into a folder inside it.")
        .toStdString();
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
