#include "core/import/ImportFormat.h"

#include "core/import/RedNotebookSource.h"
#include "core/import/TextFolderSource.h"
#include "core/store/TimeStamp.h"

#include <QCoreApplication>
#include <algorithm>

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

ImportBatch ReadImportFolder(ImportFormat format, const QString& path, const ImportOptions& options,
                             const ImportProgress& progress) {
    if (format == ImportFormat::RedNotebook)
        return ReadRedNotebook(path, options, progress);
    return ReadTextFolder(path, options, progress);
}

QString ImportPreviewText(const ImportBatch& batch) {
    const auto unreadable = std::count_if(batch.problems.begin(), batch.problems.end(),
                                          [](const ImportProblem& p) { return !p.entryKept; });
    if (batch.entries.empty())
        return QCoreApplication::translate("Import", "No entries found; %n files cannot be read.",
                                           nullptr, int(unreadable));
    const auto [first, last] =
        std::minmax_element(batch.entries.begin(), batch.entries.end(),
                            [](const auto& a, const auto& b) { return a.timeStamp < b.timeStamp; });
    const auto day = [](const std::string& stamp) {
        return QString::fromStdString(ParseTimeStamp(stamp.c_str()).Format("%Y-%m-%d"));
    };
    return QCoreApplication::translate("Import", "%n entries from %1 to %2", nullptr,
                                       int(batch.entries.size()))
               .arg(day(first->timeStamp), day(last->timeStamp)) +
           (unreadable == 0 ? QString()
                            : QCoreApplication::translate("Import", "; %n files cannot be read",
                                                          nullptr, int(unreadable)));
}
