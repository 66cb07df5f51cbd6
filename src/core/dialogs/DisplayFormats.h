#pragma once

#include <array>
#include <string_view>

// The choices the New Journal and Journal Options dialogs (and the format bar, for sizes)
// offer, in the order they are listed.

struct DateFormatChoice {
    std::string_view label;  // fixed example text shown in the list
    std::string_view format; // strftime codes stored as the journal's DateFormat
};

inline constexpr std::array<DateFormatChoice, 4> kDateFormats{{
    {"7/5/2004", "%m/%d/%Y"},
    {"5-Jul-2004", "%d-%b-%Y"},
    {"July 5, 2004", "%B %d, %Y"},
    {"Monday, July 5 2004", "%A, %B %d %Y"},
}};

// The three time-format radio buttons: 12 hour, 24 hour, none.
inline constexpr std::array<std::string_view, 3> kTimeFormats{"%I:%M %p", "%H:%M", ""};

inline constexpr std::array<int, 17> kFontSizes{8,  9,  10, 11, 12, 14, 16, 18, 20,
                                                22, 24, 26, 28, 32, 36, 48, 72};
