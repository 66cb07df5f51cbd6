#pragma once

#include "core/import/ImportedEntry.h"

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

// Writes the entries into the journal under the folder (an id, "{Root}" for the top): their
// folder paths re-created below it (an existing folder of the same name is used), topics
// merged with the journal's by name, texts enciphered with the journal's key. An entry whose
// id is in the journal already is skipped and counted. All of it is one transaction: when it
// is cancelled or fails the journal is left exactly as it was.
ImportReport WriteImport(const JournalReader& target, const std::string& folderId,
                         const ImportBatch& batch, const ImportProgress& progress = {});
