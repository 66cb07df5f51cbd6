#include "core/store/FolderTable.h"

#include "core/store/SqlBuffer.h"
#include "core/store/SqlDatabase.h"

void FolderTable::Insert(const std::string& folderId, const std::string& parentId,
                         const std::string& name) {
    SqlBuffer sql;
    m_db.execute(
        sql.format("INSERT INTO Folder (FolderID, ParentID, Name) VALUES('%q', '%q', '%q')",
                   folderId.c_str(), parentId.c_str(), name.c_str()));
}

int FolderTable::Rename(const std::string& folderId, const std::string& name) {
    SqlBuffer sql;
    return m_db.execute(sql.format("UPDATE Folder SET Name = '%q' WHERE FolderID = '%q'",
                                   name.c_str(), folderId.c_str()));
}

int FolderTable::MoveUnder(const std::string& folderId, const std::string& parentId) {
    SqlBuffer sql;
    return m_db.execute(sql.format("UPDATE Folder SET ParentID = '%q' WHERE FolderID = '%q'",
                                   parentId.c_str(), folderId.c_str()));
}

int FolderTable::DeleteIfEmpty(const std::string& folderId) {
    SqlBuffer sql;
    return m_db.execute(sql.format("DELETE FROM Folder WHERE FolderID = '%q' AND NOT "
                                   "EXISTS (SELECT 1 FROM Entry WHERE FolderID = '%q')",
                                   folderId.c_str(), folderId.c_str()));
}

bool FolderTable::Exists(const std::string& folderId) {
    SqlBuffer sql;
    return m_db.hasRow(
        sql.format("SELECT FolderID FROM Folder WHERE FolderID = '%q'", folderId.c_str()));
}

SqlQuery FolderTable::Row(const std::string& folderId) {
    SqlBuffer sql;
    return m_db.query(sql.format("SELECT * FROM Folder WHERE FolderID = '%q';", folderId.c_str()));
}

SqlQuery FolderTable::Children(const std::string& parentId) {
    SqlBuffer sql;
    return m_db.query(sql.format("SELECT * FROM Folder WHERE ParentID = '%q'", parentId.c_str()));
}

SqlQuery FolderTable::TextIdsAndNames() {
    // The one-folder statement compares the id with a quoted text: only text holding no zero
    // byte can equal one.
    return m_db.query("SELECT FolderID, Name FROM Folder WHERE typeof(FolderID) = 'text' AND "
                      "instr(FolderID, char(0)) = 0");
}

SqlQuery FolderTable::Tree() {
    return m_db.query("SELECT FolderID, ParentID, Name FROM Folder;");
}
