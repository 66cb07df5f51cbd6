#pragma once

#include <string>
#include <vector>

class JournalReader;

// Every entry of a journal as one line, oldest first: time stamp, folder path, topics (sorted),
// user comment and the text with its emphasis spelled out (*bold* /italic/ _underline_
// -strike- {code} <url|text> [picture WxH], headings as #n, list items as "- " or "1. " by
// level, a table row as "[a | ^centred | >right]", paragraphs joined by " ¶ "). Two journals
// with equal lines hold the same entries.
std::vector<std::string> entryLines(const JournalReader& journal);

// The text of an RTF entry in the same spelled-out form.
std::string styledText(const std::string& rtf);
