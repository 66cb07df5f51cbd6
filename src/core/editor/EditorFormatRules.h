#pragma once

#include "core/richtext/RichDocument.h"

#include <cstdint>
#include <optional>

// The editor's list, indent, highlight and clear-formatting steps, apart from the widgets.
namespace EditorFormatRules {

// List levels 0 to 8, as lists store them.
inline constexpr int kMaxListDepth = 8;
// The level after Tab (steps 1) or Shift+Tab (steps -1), kept at the deepest; nothing when
// Shift+Tab at the top level takes the paragraph out of its list.
std::optional<int> steppedListDepth(int depth, int steps);

// Indent and outdent outside a list: to the next half-inch stop, between 0 and five inches.
inline constexpr int kIndentStepTwips = 720;
inline constexpr int kMaxIndentTwips = 7200;
int steppedIndent(int twips, int steps);

// What highlighting uses until the user chooses another colour: yellow.
inline constexpr std::uint32_t kDefaultHighlight = 0xFFFF00;

// Clear Formatting: the entry's face and size and nothing else, but a link stays a link.
richtext::CharFormat cleared(const richtext::CharFormat& format, const QString& entryFace,
                             int entryHalfPoints);

} // namespace EditorFormatRules
