#pragma once

#include "core/richtext/RichDocument.h"
#include "core/richtext/RtfKeywords.h"
#include "core/richtext/RtfTokenizer.h"

#include <string>

// Paragraph properties in RTF both ways: the words the reader applies to a paragraph's layout
// and to its \pn numbering, and the words the writer sets them up with.

namespace richtext {

// Applies a paragraph-formatting word (\qc, \li, \sa, \intbl, ...); false when the keyword is
// not one.
bool applyParagraphWord(RtfKeyword keyword, const RtfToken& token, Alignment& alignment,
                        ParagraphLayout& layout);

// Applies a word inside a {\*\pn ...} group. \pnf and the text groups are the reader's.
void applyNumberingWord(const RtfKeywordInfo& info, const RtfToken& token, ListFormat& list);

// True for the words of a table-row definition (\trowd, \cellx, \trgaph, \clbrdrb, \brdrs, ...),
// which the reader keeps as written.
bool isTableRowWord(RtfKeyword keyword, std::string_view name);

// Appends a control word with its parameter, e.g. "\li720".
void appendWord(std::string& out, std::string_view name);
void appendWord(std::string& out, std::string_view name, long long param);

// The words after \pard for a paragraph's alignment and layout, without its numbering.
void appendParagraphWords(std::string& out, Alignment alignment, const ParagraphLayout& layout);

// A reader that knows only the \pn form skips \ilvl and would show nested items flat, so an
// item at a list level without an indent of its own is written indented by its level.
ParagraphLayout layoutWithLevelIndent(const ParagraphLayout& layout);
// The reverse as the paragraph is read: an indent that says no more than the level is dropped,
// so that the level alone places the item.
void dropLevelIndent(ParagraphLayout& layout);

// The words of a \pn group between "{\*\pn" and its text groups; fontIndex < 0: no \pnf.
void appendNumberingWords(std::string& out, const ListFormat& list, int fontIndex);

} // namespace richtext
