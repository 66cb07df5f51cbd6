#pragma once

#include "cli/CommandLine.h"

#include "core/print/EntryChoice.h"

class JournalSession;

// The entries qbk print and qbk export take: --entry ID (one entry, whatever its date), else
// --folder NAME (the entries filed in it), else all; --from/--to days, both included, and each
// --topic NAME the entries must carry.
EntryChoice entryChoiceOf(const CommandLine& line, JournalSession& session);

// The usage errors of those options, found before any password is asked.
void checkEntryChoiceLine(const CommandLine& line);
