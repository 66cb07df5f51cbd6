#pragma once

#include "core/store/NewJournalValues.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Where the New Journal dialog proposes to create the journal. Paths are file-system bytes
// (QFile::encodeName); titles are stored bytes.

// Starts the proposal: the default name in the given folder.
void proposeInitialPath(NewJournalValues& values, const std::string& folder);

// When the title field loses the focus: while the file still has the default name, it takes
// the title's (plus ".qbk"); once it has a name of its own, the path is left alone. A slash
// in the title becomes an underscore, so the name never leads into another folder.
void proposeFileName(NewJournalValues& values);

// A path as the dialog shows it within a limit of characters: unchanged when it fits, else
// its first 3 characters, " .." and the last limit - 5 characters, cut to begin at a folder
// separator when the tail holds one.
std::string shortenPath(std::string_view path, std::size_t limit);

// Whether anything (file, folder, link, even one we cannot read) is at the path.
bool somethingExistsAt(const std::string& path);

// "<path shortened to 95> already exists."
std::string alreadyExistsMessage(const std::string& path);

// Makes an empty file at the path, failing when anything is there already, so that creating a
// journal never replaces another file. Nothing on success, else the message to show.
std::optional<std::string> createFileExclusively(const std::string& path);
