#pragma once

#include <string>

// The text a journal's new entries start with, chosen by the user on this computer. It lives in
// the user's settings under the journal's path, never in the journal file: a journal copied or
// shared carries nobody's template, and setting one writes nothing to the journal.
namespace NewEntryTemplate {

// The stored entry text (RTF) new entries of the journal at the path start with; empty when
// none is set.
std::string textFor(const std::string& journalPath);
// Sets the journal's template; an empty text removes it.
void setFor(const std::string& journalPath, const std::string& storedText);

} // namespace NewEntryTemplate
