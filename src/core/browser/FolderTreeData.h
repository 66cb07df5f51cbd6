#pragma once

#include <string>
#include <vector>

class SqlDatabase;

// The folder tree as the file describes it, ready for a tree widget to show.
struct FolderNode {
    std::string id;
    std::string name;
    std::vector<FolderNode> children; // in the order the file returns them
};

// Label of the tree's root: the journal's title, or the file name when the title is empty,
// followed by " (all entries)".
std::string FolderRootLabel(const std::string& title, const std::string& fileName);

// The folders below the root "{Root}", depth first. A hand-edited file may hold parent cycles
// or duplicate ids: every folder id is shown at most once, so loading always ends, and no
// recursion depth depends on the file. Folders whose parent does not exist are not reachable
// from the root and are not shown.
std::vector<FolderNode> LoadFolderChildren(SqlDatabase& db, const std::string& rootId = "{Root}");
