#pragma once

#include "core/export/ExportedEntry.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QIODevice;

// A file the document refers to by a path relative to its own folder (a picture).
struct SideFile {
    QString relativePath;
    QByteArray bytes;
};

// Writes entries into one document of a text format, piece by piece: the caller hands each
// piece's bytes on at once, so nothing grows with the journal.
class ExportWriter {
public:
    virtual ~ExportWriter() = default;

    virtual std::string begin(const QString& title) = 0;
    virtual std::string entry(const ExportedEntry& entry) = 0;
    virtual std::string end() = 0;

    // Writers that keep pictures in files of their own name them with this prefix (a folder
    // and "/", or a file stem), relative to the document's folder.
    virtual void setSideFilePrefix(const QString& /*prefix*/) {}
    // The files the last entry refers to, for the caller to write beside the document.
    virtual std::vector<SideFile> takeSideFiles() { return {}; }

    // A document that wraps its text in a package (ODT) is made at the end: the caller keeps
    // the pieces in body, and the writer writes the whole document from it to out.
    virtual bool packaged() const { return false; }
    virtual bool writePackage(QIODevice& /*body*/, QIODevice& /*out*/) { return false; }
};

// The words before an entry's heading values. Markdown keeps them as they are, since an
// import reads them back; the formats only people read show them translated (HeadingLabel).
inline constexpr const char* kFolderLabel = QT_TRANSLATE_NOOP("ExportWriter", "Folder");
inline constexpr const char* kTopicsLabel = QT_TRANSLATE_NOOP("ExportWriter", "Topics");
inline constexpr const char* kCommentLabel = QT_TRANSLATE_NOOP("ExportWriter", "Comment");
QString HeadingLabel(const char* label);

// The heading values an entry has (folder, topics, typed comment), each with its label, in
// that order; values that are empty are left out.
std::vector<std::pair<const char*, QString>> HeadingValues(const ExportedEntry& entry);

// The formats an export can write; Pdf is laid out by the print layout outside the core.
enum class ExportFormat { Html, Markdown, Text, Odt, Pdf };

// The format of a name as the command line spells it ("html", "md", "txt", "odt", "pdf").
std::optional<ExportFormat> ExportFormatNamed(const QString& name);
const char* ExportFormatExtension(ExportFormat format);

// The writer of a format (Pdf, laid out by the print job, gets the HTML writer and uses
// none). Markdown embeds pictures as data URLs only when asked; otherwise it hands them out as
// side files.
std::unique_ptr<ExportWriter> MakeExportWriter(ExportFormat format, bool embedPictures = false);
