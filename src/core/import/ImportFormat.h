#pragma once

#include "core/import/ImportedEntry.h"

#include <QString>
#include <optional>

enum class ImportFormat { RedNotebook, Markdown, Quillbook };

// "rednotebook", "markdown" (or "md", "text", "txt") and "quillbook" (or "qbk").
std::optional<ImportFormat> ImportFormatNamed(const QString& name);
// The formats as a person chooses among them, in ImportFormat's order.
QStringList ImportFormatTitles();

// Reads a folder source (RedNotebook, Markdown) into the sink; a journal is read by
// ReadJournal. False when progress or the sink stopped it.
bool ReadImportFolder(ImportFormat format, const QString& path, const ImportOptions& options,
                      ImportSink& sink, const ImportProgress& progress = {});
