#pragma once

#include <optional>
#include <string>
#include <string_view>

class BlowfishEngine;

// Checks of single stored values. Each answers what is wrong, in words, or nothing.
namespace EntryValueCheck {

// A time stamp must be exactly "YYYY-MM-DD HH:MM" and a real date and time: anything else
// sorts out of order and shows as an invalid date.
std::optional<std::string> TimeStampProblem(const char* stored);

// An enciphered column must be the codec's text of whole 8-byte cipher blocks. On success
// the deciphered text is left in plain.
std::optional<std::string> CipherProblem(const char* stored, const BlowfishEngine& keyed,
                                         std::string& plain);

// RTF must close every group it opens, and no more: otherwise it was cut short or joined.
std::optional<std::string> RtfShapeProblem(std::string_view rtf);

// An entry's text must be RTF whose groups all close, and that reads back unchanged after
// the program writes it again (otherwise saving it would lose formatting).
std::optional<std::string> RtfProblem(std::string_view rtf);

} // namespace EntryValueCheck
