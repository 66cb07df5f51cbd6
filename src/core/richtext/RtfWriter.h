#pragma once

#include "core/richtext/RichDocument.h"

#include <string>

namespace richtext {

// Writes the model as the Windows rich-edit control writes RTF, so that entries written here
// read back unchanged there: 7-bit text, Windows-1252 characters as \'xx and the rest as \uN?.
class RtfWriter {
public:
    static std::string write(const RichDocument& document);
};

} // namespace richtext
