#pragma once

#include "core/import/ImportedEntry.h"

#include <QString>
#include <optional>

enum class ImportFormat { RedNotebook, Markdown, Quillbook };

// "rednotebook", "markdown" (or "md", "text", "txt") and "quillbook" (or "qbk").
std::optional<ImportFormat> ImportFormatNamed(const QString& name);
// The formats as a person chooses among them, in ImportFormat's order.
QStringList ImportFormatTitles();

// Reads a folder source (RedNotebook, Markdown); a journal is read by ReadJournal.
ImportBatch ReadImportFolder(ImportFormat format, const QString& path, const ImportOptions& options,
                             const ImportProgress& progress = {});

// What an import would bring: how many entries, from which day to which, and how many files
// could not be read; in words.
QString ImportPreviewText(const ImportBatch& batch);
