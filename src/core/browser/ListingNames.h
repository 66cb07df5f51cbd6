#pragma once

#include <string>
#include <unordered_map>

class SqlDatabase;

// The topic and folder names a listing shows beside its entries, read for every entry with
// one statement each. Each answers exactly as GetEntryTopicsText and GetEntryFolderName do
// for one entry, names in the same order.
class ListingNames {
public:
    static ListingNames Read(SqlDatabase& db);

    // Names of the entry's topics joined by ", "; empty when it carries none.
    const std::string& TopicsText(const std::string& entryId) const;
    // The folder's name, or "(None)" when no folder row has that id.
    const std::string& FolderName(const std::string& folderId) const;
    // The folder's names from the top of the tree down, joined by "\\" ("Work\\2024\\May");
    // the root's path is empty. A parent cycle or a missing parent ends the path there.
    std::string FolderPath(const std::string& folderId) const;

private:
    std::unordered_map<std::string, std::string> m_topics;
    std::unordered_map<std::string, std::string> m_folders;
    std::unordered_map<std::string, std::string> m_parents;
};
