#pragma once

#include "core/richtext/RichDocument.h"

#include <QFont>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextListFormat>

// Character, paragraph and list formats between the styled-text model and QTextDocument.
//
// What the document can show is shown; the model's own format rides along as a user property
// of the same format, so that it travels with the text through edits. Reading back starts
// from that carried format and takes from the document only what differs from how the
// carried format was shown: what the user changed.
namespace RtfTextFormats {

enum Property {
    kCarriedChar = QTextFormat::UserProperty + 100, // richtext::CharFormat
    kCarriedParagraph,                              // richtext::Paragraph without runs
    kCarriedList,                                   // richtext::ListFormat
    kCarriedRowEnd,                                 // richtext::Paragraph ending a table row
};

constexpr double kTwipsPerPixel = 15.0; // 1440 twips an inch at 96 pixels an inch

QTextCharFormat toCharFormat(const richtext::CharFormat& format);
richtext::CharFormat fromCharFormat(const QTextCharFormat& format, const QFont& fallback);

// The paragraph's alignment, layout and end; its runs, mark and numbering go elsewhere.
QTextBlockFormat toBlockFormat(const richtext::Paragraph& paragraph);
// Fills alignment, layout (but the list) and end of the paragraph from the block format.
void fromBlockFormat(const QTextBlockFormat& format, richtext::Paragraph& paragraph);

// depth: the paragraph's list level (\ilvl), which nests bullets and numbers that are no outline.
QTextListFormat toListFormat(const richtext::ListFormat& list, int depth = 0);
richtext::ListFormat fromListFormat(const QTextListFormat& format);

} // namespace RtfTextFormats
