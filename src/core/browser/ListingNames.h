#pragma once

#include <string>
#include <unordered_map>
#include <vector>

class SqlDatabase;

// The topic and folder names a listing shows beside its entries, read for every entry with
// one statement each. Each answers exactly as GetEntryTopicsText and GetEntryFolderName do
// for one entry, names in the same order.
class ListingNames {
public:
    static ListingNames Read(SqlDatabase& db);
    // Same, for a reader that goes on without topics: topic links that cannot be read, or that
    // name no entry or topic, are described in problem (left empty when all is well).
    static ListingNames Read(SqlDatabase& db, std::string& problem);
    // Only the folders (names and tree), for one folder's name or path: no topic is read.
    static ListingNames ReadFolderNames(SqlDatabase& db);

    // The names of each entry's topics, in the order TopicsText joins them.
    static std::unordered_map<std::string, std::vector<std::string>>
    TopicNamesByEntry(SqlDatabase& db);

    // Names of the entry's topics joined by ", "; empty when it carries none.
    const std::string& TopicsText(const std::string& entryId) const;
    // The folder's name, or "(None)" when no folder row has that id.
    const std::string& FolderName(const std::string& folderId) const;
    // The folder's names from the top of the tree down, joined by "\\" ("Work\\2024\\May");
    // the root's path is empty. A parent cycle or a missing parent ends the path there.
    std::string FolderPath(const std::string& folderId) const;

private:
    void ReadTopics(SqlDatabase& db);
    void ReadFolders(SqlDatabase& db);

    std::unordered_map<std::string, std::string> m_topics;
    std::unordered_map<std::string, std::string> m_folders;
    std::unordered_map<std::string, std::string> m_parents;
};
