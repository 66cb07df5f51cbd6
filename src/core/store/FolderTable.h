#pragma once

#include "core/store/JournalTable.h"

#include <string>

// The statements on the Folder table. Writes return the rows they changed.
class FolderTable : public JournalTable {
public:
    explicit FolderTable(SqlDatabase& db) : JournalTable(db, "Folder") {}

    void Insert(const std::string& folderId, const std::string& parentId, const std::string& name);
    int Rename(const std::string& folderId, const std::string& name);
    int MoveUnder(const std::string& folderId, const std::string& parentId);
    // Deletes the folder only while no entry is filed in it, in one statement.
    int DeleteIfEmpty(const std::string& folderId);

    bool Exists(const std::string& folderId);
    SqlQuery Row(const std::string& folderId);
    SqlQuery Children(const std::string& parentId);
    // (FolderID, Name) of every folder whose id a quoted text can equal, in table order.
    SqlQuery TextIdsAndNames();
    // (FolderID, ParentID, Name) of every folder.
    SqlQuery Tree();
};
