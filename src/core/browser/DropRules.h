#pragma once

#include <string>
#include <vector>

// Whether a dragged folder may be dropped on a tree item. targetPath holds the target's id
// followed by the ids of its ancestors up to the top of the tree; it is empty when the
// pointer is over no item. Refused: no item, the folder's own parent (nothing would change),
// the folder itself and anything below it (the tree would lose the branch in a cycle).
bool FolderDropAllowed(const std::string& draggedId, const std::string& draggedParentId,
                       const std::vector<std::string>& targetPath);

// Whether an entry filed in entryFolderId may be dropped on the folder targetFolderId. The
// root and "{All Entries}" are listings, not folders an entry can be filed in.
bool EntryDropAllowed(const std::string& targetFolderId, const std::string& entryFolderId);

// The folder tree scrolls by itself while a drag holds the pointer near its top or bottom
// edge: one line every few ticks of the drag timer, faster the farther the pointer is out.
enum class AutoScroll { None, Up, Down };

// Ticks between two lines for the pointer at y against the tree's top and bottom (screen
// coordinates); 0 when the pointer is not in an edge zone.
int AutoScrollDelay(int y, int top, int bottom);

// What to do on the tick numbered ticks (counted from the start of the program's drags).
AutoScroll AutoScrollStep(int y, int top, int bottom, unsigned ticks);
