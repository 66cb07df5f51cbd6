#include "core/print/PageBreaks.h"

#include <algorithm>

std::vector<int> PageStarts(std::vector<LineSpan> lines, int totalHeight, int firstHeight,
                            int laterHeight) {
    firstHeight = std::max(firstHeight, 1);
    laterHeight = std::max(laterHeight, 1);
    std::sort(lines.begin(), lines.end(),
              [](const LineSpan& a, const LineSpan& b) { return a.top < b.top; });
    std::vector<int> starts{0};
    int top = 0;
    int height = firstHeight;
    while (top + height < totalHeight) {
        int cut = top + height;
        // Move the cut up above any line it would go through, until it crosses none. Lines
        // that began on an earlier page are already being cut and do not count.
        for (bool moved = true; moved;) {
            moved = false;
            for (const LineSpan& line : lines) {
                if (line.top >= cut)
                    break;
                if (line.top > top && line.bottom > cut) {
                    cut = line.top;
                    moved = true;
                }
            }
        }
        starts.push_back(cut);
        top = cut;
        height = laterHeight;
    }
    return starts;
}
