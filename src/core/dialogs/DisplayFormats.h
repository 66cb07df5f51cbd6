#pragma once

#include "core/platform/DateFormats.h"

#include <array>
#include <string_view>

// The choices the New Journal and Journal Options dialogs (and the format bar, for sizes)
// offer, in the order they are listed; the date formats are kDateFormats.

// The three time-format radio buttons: 12 hour, 24 hour, none.
inline constexpr std::array<std::string_view, 3> kTimeFormats{"%I:%M %p", "%H:%M", ""};

inline constexpr std::array<int, 17> kFontSizes{8,  9,  10, 11, 12, 14, 16, 18, 20,
                                                22, 24, 26, 28, 32, 36, 48, 72};
