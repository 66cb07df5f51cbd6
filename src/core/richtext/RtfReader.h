#pragma once

#include "core/richtext/RichDocument.h"

#include <string_view>

namespace richtext {

// Reads RTF as the Windows rich-edit control does, into the styled-text model.
//
// Any byte sequence is accepted: the reader is iterative with a bounded group stack, never
// allocates more than the input warrants, and gives some document for every input.
class RtfReader {
public:
    // Groups nested deeper than this share their parent's state; their text is still read.
    static constexpr int kMaxDepth = 256;

    static RichDocument read(std::string_view rtf);
    // controlText(read(rtf)), without building the model: what a search looks through.
    static QString readControlText(std::string_view rtf);

    // True when the text starts with "{\rtf" (exact case), i.e. is streamed in as RTF.
    static bool isRtf(std::string_view text);
};

} // namespace richtext
