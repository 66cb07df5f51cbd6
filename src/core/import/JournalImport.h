#pragma once

#include "core/import/ImportedEntry.h"

#include <functional>
#include <string>

class JournalReader;

// What an import did.
struct ImportReport {
    enum class Status { Done, Cancelled, Failed };
    Status status = Status::Done;
    QString message; // why it failed
    std::size_t imported = 0;
    std::size_t skipped = 0;             // entries already in the journal
    std::vector<ImportProblem> problems; // files and entries not imported, and why
    std::size_t unreadable = 0;          // files and entries the source could not give

    QString summary() const;
};

// Reads a source into a sink; false when it was stopped (cancelled).
using ImportSource = std::function<bool(ImportSink&)>;

// Writes the entries the source reads into the journal as they come, under the folder (an id,
// "{Root}" for the top): their folder paths re-created below it (an existing folder of the
// same name is used), topics merged with the journal's by name, texts enciphered with the
// journal's key. An entry whose id is in the journal already is skipped and counted. All of it
// is one transaction: when the source is stopped or the journal fails, the journal is left
// exactly as it was. SQLite spills its page cache into the file as the transaction grows, so
// the memory taken does not grow with the number of entries.
ImportReport WriteImport(const JournalReader& target, const std::string& folderId,
                         const ImportSource& source);
