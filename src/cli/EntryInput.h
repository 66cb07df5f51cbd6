#pragma once

#include <string>

// The RTF of a new entry from what came on standard input. Input that starts with "{\rtf" is
// RTF and is kept as given. Anything else is plain UTF-8 text: each line becomes a paragraph
// in the journal's default font, written as the editor writes it (the newline that ends the
// last line of a text file does not add an empty paragraph). Throws a usage error for input
// that is neither RTF nor UTF-8 text, for RTF that is cut short, and unless allowEmpty for
// input with nothing but white space.
std::string entryRtfFromInput(const std::string& input, const std::string& fontName, int fontSize,
                              bool allowEmpty);
