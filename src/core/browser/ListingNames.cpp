#include "core/browser/ListingNames.h"

#include "core/store/FolderTable.h"
#include "core/store/SqlQuery.h"
#include "core/store/TopicLinks.h"

#include <unordered_set>

namespace {

const std::string kNoTopics;
const std::string kNoFolder = "(None)";

} // namespace

ListingNames ListingNames::Read(SqlDatabase& db) {
    ListingNames names;
    SqlQuery topics = TopicLinks(db).TextEntryIdsAndNames();
    for (; !topics.eof(); topics.nextRow()) {
        // A name may be empty: the separator goes by position, as in the one-entry join.
        const auto [it, first] = names.m_topics.try_emplace(topics.textField(0));
        if (!first)
            it->second += ", ";
        it->second += topics.textField(1);
    }
    topics.finalize();

    // In table order: the one-folder statement takes the first row that matches.
    SqlQuery folders = FolderTable(db).TextIdsAndNames();
    for (; !folders.eof(); folders.nextRow())
        names.m_folders.try_emplace(folders.textField(0), folders.textField(1));
    folders.finalize();

    SqlQuery tree = FolderTable(db).Tree();
    for (; !tree.eof(); tree.nextRow())
        names.m_parents.try_emplace(tree.textField(0), tree.textField(1));
    tree.finalize();
    return names;
}

const std::string& ListingNames::TopicsText(const std::string& entryId) const {
    const auto it = m_topics.find(entryId);
    return it == m_topics.end() ? kNoTopics : it->second;
}

const std::string& ListingNames::FolderName(const std::string& folderId) const {
    const auto it = m_folders.find(folderId);
    return it == m_folders.end() ? kNoFolder : it->second;
}

std::string ListingNames::FolderPath(const std::string& folderId) const {
    std::string path;
    std::unordered_set<std::string> seen;
    for (std::string id = folderId; id != "{Root}" && seen.insert(id).second;) {
        const auto folder = m_folders.find(id);
        if (folder == m_folders.end())
            break;
        path = path.empty() ? folder->second : folder->second + "\\" + path;
        const auto parent = m_parents.find(id);
        if (parent == m_parents.end())
            break;
        id = parent->second;
    }
    return path;
}
