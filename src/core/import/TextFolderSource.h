#pragma once

#include "core/import/ImportedEntry.h"

#include <QString>

// A folder of Markdown (*.md, *.markdown) and text (*.txt) files, one entry each; sub-folders
// become folders. An entry is dated by its front matter's "date:", else by a date at the start
// of its file name ("2024-03-05.md", "2024-03-05 Trip.md", "20240305.txt", "2024-03-05 14-30.md"
// as qbk export --split names them), else by the file's time. "title:" is its comment and
// "tags:" its topics (with topicsFromTags). A file as qbk export writes it gives back its
// folder, topics and comment. A .txt file is plain text unless it has front matter, then it
// is Markdown. Each file that cannot be read is noted. False when progress or the sink stopped
// it; progress counts files, their total unknown.
bool ReadTextFolder(const QString& folder, const ImportOptions& options, ImportSink& sink,
                    const ImportProgress& progress = {});
