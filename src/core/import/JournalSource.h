#pragma once

#include "core/import/ImportedEntry.h"

class JournalReader;

// Another Quillbook journal, read through its own keyed connection: every entry with its id,
// date, user comment, folder path and topics, its text as stored (RTF). An entry whose values
// cannot be read is noted. False when progress or the sink stopped it.
bool ReadJournal(const JournalReader& source, ImportSink& sink,
                 const ImportProgress& progress = {});
