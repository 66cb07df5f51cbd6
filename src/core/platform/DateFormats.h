#pragma once

#include <array>
#include <string_view>

// The date formats a journal can store, as the New Journal and Journal Options dialogs list
// them. The stored codes stay exactly as they are (other programs read them); `shown` is the
// same pattern without the leading zeros the label does not show ("5", not "05").
struct DateFormatChoice {
    std::string_view label;  // fixed example text shown in the list
    std::string_view format; // strftime codes stored as the journal's DateFormat
    std::string_view shown;  // what the journal shows for it
};

inline constexpr std::array<DateFormatChoice, 4> kDateFormats{{
    {"7/5/2004", "%m/%d/%Y", "%-m/%-d/%Y"},
    {"5-Jul-2004", "%d-%b-%Y", "%-d-%b-%Y"},
    {"July 5, 2004", "%B %d, %Y", "%B %-d, %Y"},
    {"Monday, July 5 2004", "%A, %B %d %Y", "%A, %B %-d %Y"},
}};
