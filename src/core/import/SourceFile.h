#pragma once

#include "core/import/ImportedEntry.h"

#include "core/richtext/RichDocument.h"

#include <QDir>
#include <QString>
#include <optional>

// A source file read whole as text, or the reason it was not: too large, binary, unreadable.
// Text that is not UTF-8 is read as Windows-1252, as old text files are.
std::optional<QString> ReadSourceText(const QString& path, ImportSink& problems);

// The stored form of a date ("2024-03-05", "2024-03-05 14:30", "2024-03-05T14:30:00",
// "20240305"), with hour when the text has none; empty when it is not a date.
std::string TimeStampFromText(const QString& text, int hour = 12);

// False, with the problem noted, when the source folder is not there.
bool SourceFolderThere(const QDir& folder, ImportSink& problems);

// The format of an imported entry's text: the journal's default font.
richtext::CharFormat BaseFormat(const ImportOptions& options);

// Notes each picture of the entry that stayed a link.
void NoteMissingPictures(const QString& source, const QStringList& missing, ImportSink& problems);
