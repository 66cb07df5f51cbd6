#include "core/import/ImportFormat.h"

#include "core/import/RedNotebookSource.h"
#include "core/import/TextFolderSource.h"

#include <QCoreApplication>

std::optional<ImportFormat> ImportFormatNamed(const QString& name) {
    const QString lower = name.toLower();
    if (lower == u"rednotebook")
        return ImportFormat::RedNotebook;
    if (lower == u"markdown" || lower == u"md" || lower == u"text" || lower == u"txt")
        return ImportFormat::Markdown;
    if (lower == u"quillbook" || lower == u"qbk")
        return ImportFormat::Quillbook;
    return std::nullopt;
}

QStringList ImportFormatTitles() {
    return {QCoreApplication::translate("Import", "RedNotebook data folder"),
            QCoreApplication::translate("Import", "Folder of Markdown or text files"),
            QCoreApplication::translate("Import", "Another Quillbook journal")};
}

bool ReadImportFolder(ImportFormat format, const QString& path, const ImportOptions& options,
                      ImportSink& sink, const ImportProgress& progress) {
    if (format == ImportFormat::RedNotebook)
        return ReadRedNotebook(path, options, sink, progress);
    return ReadTextFolder(path, options, sink, progress);
}
