#pragma once

#include <string>

// Writes a small journal to try the program on: a few folders, topics and formatted entries,
// made by the journal session itself. Returns an empty text on success, else what went wrong.
// An existing file is never replaced.
std::string makeSampleJournal(const std::string& path);
