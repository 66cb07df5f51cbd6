#pragma once

#include "core/export/ExportedEntry.h"

#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Writes entries into one document of a text format, piece by piece: the caller hands each
// piece's bytes on at once, so nothing grows with the journal.
class ExportWriter {
public:
    virtual ~ExportWriter() = default;

    virtual std::string begin(const QString& title) = 0;
    virtual std::string entry(const ExportedEntry& entry) = 0;
    virtual std::string end() = 0;
};

// The words before an entry's heading values, the same in every format.
inline constexpr const char* kFolderLabel = "Folder";
inline constexpr const char* kTopicsLabel = "Topics";
inline constexpr const char* kCommentLabel = "Comment";

// The heading values an entry has (folder, topics, typed comment), each with its label, in
// that order; values that are empty are left out.
std::vector<std::pair<const char*, QString>> HeadingValues(const ExportedEntry& entry);

// The formats an export can write. Odt is made outside the core from the HTML, Pdf by the
// print layout.
enum class ExportFormat { Html, Markdown, Text, Odt, Pdf };

// The format of a name as the command line spells it ("html", "md", "txt", "odt", "pdf").
std::optional<ExportFormat> ExportFormatNamed(const QString& name);
const char* ExportFormatExtension(ExportFormat format);

// The writer of a text format; Odt gets the HTML writer its converter reads (Pdf, laid out
// by the print job, uses none).
std::unique_ptr<ExportWriter> MakeExportWriter(ExportFormat format);
