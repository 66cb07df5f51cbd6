#include "core/editor/EditorViewRules.h"

#include <algorithm>
#include <array>

namespace EditorViewRules {

namespace {

constexpr std::array kZoomLevels{50, 67, 75, 90, 100, 110, 125, 150, 175, 200, 250, 300};
constexpr int kReadableWidthAt100 = 700;

} // namespace

int steppedZoom(int percent, int steps) {
    percent = std::clamp(percent, kZoomLevels.front(), kZoomLevels.back());
    // The first level above (in) or below (out), then further steps from there.
    auto at = std::lower_bound(kZoomLevels.begin(), kZoomLevels.end(), percent);
    const bool listed = at != kZoomLevels.end() && *at == percent;
    std::ptrdiff_t index = at - kZoomLevels.begin();
    if (!listed && steps < 0)
        index -= 1; // percent lies between index - 1 and index
    if (!listed)
        steps -= steps > 0 ? 1 : steps < 0 ? -1 : 0;
    index = std::clamp<std::ptrdiff_t>(index + steps, 0, std::ptrdiff_t(kZoomLevels.size()) - 1);
    return kZoomLevels[size_t(index)];
}

int validZoom(int percent) {
    return std::find(kZoomLevels.begin(), kZoomLevels.end(), percent) != kZoomLevels.end()
               ? percent
               : kDefaultZoom;
}

QString zoomSettingsKey() {
    return QStringLiteral("Editor/Zoom");
}

int readableWidth(int zoomPercent) {
    return kReadableWidthAt100 * validZoom(zoomPercent) / 100;
}

int centringMargin(int viewWidth, int columnWidth) {
    return std::max(kTextMargin, (viewWidth - columnWidth) / 2);
}

} // namespace EditorViewRules
