#include "core/browser/ListingNames.h"

#include "core/platform/TextEncoding.h"
#include "core/store/CppSQLite3Exception.h"
#include "core/store/FolderTable.h"
#include "core/store/SqlQuery.h"
#include "core/store/TopicLinks.h"

#include <QCoreApplication>

#include <unordered_set>

namespace {

const std::string kNoTopics;
// Left untranslated: the same rows feed `qbk list --tsv`.
const std::string kNoFolder = "(None)";

} // namespace

ListingNames ListingNames::Read(SqlDatabase& db, std::string& problem) {
    problem.clear();
    ListingNames names;
    int unmatched = 0;
    try {
        unmatched = TopicLinks(db).UnmatchedCount();
        names.ReadTopics(db);
    } catch (const CppSQLite3Exception& e) {
        names.m_topics.clear();
        problem = textToStored(QCoreApplication::translate("ListingNames",
                                                           "the links of entries to topics cannot "
                                                           "be read, so no topics are shown (%1)")
                                   .arg(storedToText(e.message())));
    }
    if (unmatched > 0)
        problem = textToStored(
            unmatched == 1
                ? QCoreApplication::translate(
                      "ListingNames", "1 link of an entry to a topic names no entry or no "
                                      "topic, so topics may be missing (qbk check lists them)")
                : QCoreApplication::translate(
                      "ListingNames", "%1 links of entries to topics name no entry or no "
                                      "topic, so topics may be missing (qbk check lists them)")
                      .arg(unmatched));
    names.ReadFolders(db);
    return names;
}

ListingNames ListingNames::Read(SqlDatabase& db) {
    ListingNames names;
    names.ReadTopics(db);
    names.ReadFolders(db);
    return names;
}

ListingNames ListingNames::ReadFolderNames(SqlDatabase& db) {
    ListingNames names;
    names.ReadFolders(db);
    return names;
}

std::unordered_map<std::string, std::vector<std::string>>
ListingNames::TopicNamesByEntry(SqlDatabase& db) {
    std::unordered_map<std::string, std::vector<std::string>> names;
    SqlQuery topics = TopicLinks(db).TextEntryIdsAndNames();
    for (; !topics.eof(); topics.nextRow())
        names[topics.textField(0)].push_back(topics.textField(1));
    topics.finalize();
    return names;
}

void ListingNames::ReadTopics(SqlDatabase& db) {
    for (const auto& [entryId, names] : TopicNamesByEntry(db)) {
        // A name may be empty: the separator goes by position, as in the one-entry join.
        std::string& joined = m_topics[entryId];
        for (std::size_t i = 0; i < names.size(); ++i)
            joined += (i == 0 ? "" : ", ") + names[i];
    }
}

void ListingNames::ReadFolders(SqlDatabase& db) {
    // In table order: the one-folder statement takes the first row that matches.
    SqlQuery folders = FolderTable(db).TextIdsAndNames();
    for (; !folders.eof(); folders.nextRow())
        m_folders.try_emplace(folders.textField(0), folders.textField(1));
    folders.finalize();

    SqlQuery tree = FolderTable(db).Tree();
    for (; !tree.eof(); tree.nextRow())
        m_parents.try_emplace(tree.textField(0), tree.textField(1));
    tree.finalize();
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
