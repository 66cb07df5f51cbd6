#pragma once

#include <QString>
#include <QStringList>
#include <string>

class SqlDatabase;

// The folder tree's own reads and writes of the journal file.

// Label of the tree's root for the open journal: its title (or the file name when the title
// is empty) and " (all entries)". Throws CppSQLite3Exception.
std::string ReadRootLabel(SqlDatabase& db, const std::string& fileName);

// Adds a folder row named "New Folder" under parentId. Throws CppSQLite3Exception.
void InsertNewFolder(SqlDatabase& db, const std::string& folderId, const std::string& parentId);

// Where a folder moved under a new parent goes among its siblings: in name order
// (CompareNames), after any sibling of the same name.
int SortedInsertPosition(const QStringList& siblingNames, const QString& name);
