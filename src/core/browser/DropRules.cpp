#include "core/browser/DropRules.h"

#include <algorithm>

namespace {
constexpr int kEdgeZone = 10;    // pixels inside each edge where scrolling starts
constexpr int kSlowestDelay = 6; // ticks per line just inside the zone
constexpr int kSpeedStep = 20;   // each further 20 pixels out takes one tick off
} // namespace

bool FolderDropAllowed(const std::string& draggedId, const std::string& draggedParentId,
                       const std::vector<std::string>& targetPath) {
    if (targetPath.empty())
        return false;
    if (targetPath.front() == draggedParentId)
        return false;
    return std::find(targetPath.begin(), targetPath.end(), draggedId) == targetPath.end();
}

bool EntryDropAllowed(const std::string& targetFolderId, const std::string& entryFolderId) {
    return !targetFolderId.empty() && targetFolderId != entryFolderId &&
           targetFolderId != "{Root}" && targetFolderId != "{All Entries}";
}

int AutoScrollDelay(int y, int top, int bottom) {
    int beyond = 0;
    if (y < top + kEdgeZone)
        beyond = top - y + kEdgeZone;
    else if (y > bottom - kEdgeZone)
        beyond = y - bottom + kEdgeZone;
    else
        return 0;
    return std::max(1, kSlowestDelay - beyond / kSpeedStep);
}

AutoScroll AutoScrollStep(int y, int top, int bottom, unsigned ticks) {
    const int delay = AutoScrollDelay(y, top, bottom);
    if (delay == 0 || ticks % static_cast<unsigned>(delay) != 0)
        return AutoScroll::None;
    return y < top + kEdgeZone ? AutoScroll::Up : AutoScroll::Down;
}
