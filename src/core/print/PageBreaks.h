#pragma once

#include <vector>

// Where the pages of a text laid out in one long column begin. The first page holds
// firstHeight, every later page laterHeight (device units). A page ends above the first line
// that does not fit on it whole; a line taller than a whole page (a big picture) is cut at the
// page's end, so every page moves on.
struct LineSpan {
    int top = 0;
    int bottom = 0;
};

// The y of each page's top in the column: the first is 0; the last page runs to totalHeight.
// A text of no height has one page.
std::vector<int> PageStarts(std::vector<LineSpan> lines, int totalHeight, int firstHeight,
                            int laterHeight);
