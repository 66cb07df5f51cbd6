#include "core/editor/EditorFormatRules.h"

#include <algorithm>

namespace EditorFormatRules {

std::optional<int> steppedListDepth(int depth, int steps) {
    const int next = depth + steps;
    if (next < 0)
        return std::nullopt;
    return std::min(next, kMaxListDepth);
}

int steppedIndent(int twips, int steps) {
    // From between two stops, the first step goes to the stop in that direction.
    int stop =
        steps < 0 ? (twips + kIndentStepTwips - 1) / kIndentStepTwips : twips / kIndentStepTwips;
    stop += steps;
    return std::clamp(stop * kIndentStepTwips, 0, kMaxIndentTwips);
}

richtext::CharFormat cleared(const richtext::CharFormat& format, const QString& entryFace,
                             int entryHalfPoints) {
    richtext::CharFormat plain;
    plain.face = entryFace;
    plain.halfPoints = entryHalfPoints;
    if (format.field.startsWith(QLatin1StringView("HYPERLINK")))
        plain.field = format.field;
    return plain;
}

} // namespace EditorFormatRules
