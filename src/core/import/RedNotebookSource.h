#pragma once

#include "core/import/ImportedEntry.h"

#include <QString>

// A RedNotebook data folder: one YAML file per month ("2024-03.txt") mapping each day's number
// to its text and its categories ({text: ..., Category: {entry: null}}). Each day becomes one
// entry dated that day at noon, its categories' entries appended as a list and, with
// topicsFromTags, its categories and #hashtags its topics. A file that cannot be read is noted
// and the rest are read. False when progress or the sink stopped it.
bool ReadRedNotebook(const QString& folder, const ImportOptions& options, ImportSink& sink,
                     const ImportProgress& progress = {});
