#pragma once

#include "core/richtext/RichDocument.h"

#include <QString>
#include <string>
#include <string_view>

namespace richtext {

// The text as the control counts positions in it: a paragraph break is one character ('\r'),
// a line break one ('\v'), a picture one (U+FFFC); no break after the last paragraph.
QString controlText(const RichDocument& document);

// The text as the control streams it out: CR LF between paragraphs and for line breaks,
// tabs as TAB, pictures left out, no break after the last paragraph.
QString plainText(const RichDocument& document);

// plainText in the journal's stored-text encoding.
std::string streamOutPlainText(const RichDocument& document);

// A document from plain text in the stored-text encoding: CR LF, CR or LF end a paragraph.
RichDocument documentFromPlainText(std::string_view bytes);

} // namespace richtext
