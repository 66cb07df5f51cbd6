#include "core/export/ExportWriter.h"

#include "core/export/HtmlWriter.h"
#include "core/export/MarkdownWriter.h"
#include "core/export/OdtWriter.h"
#include "core/export/TextWriter.h"

#include <QCoreApplication>

std::vector<std::pair<const char*, QString>> HeadingValues(const ExportedEntry& entry) {
    std::vector<std::pair<const char*, QString>> values;
    for (const auto& [label, value] :
         {std::pair(kFolderLabel, &entry.folder), std::pair(kTopicsLabel, &entry.topics),
          std::pair(kCommentLabel, &entry.comment)})
        if (!value->isEmpty())
            values.emplace_back(label, *value);
    return values;
}

QString HeadingLabel(const char* label) {
    return QCoreApplication::translate("ExportWriter", label);
}

std::optional<ExportFormat> ExportFormatNamed(const QString& name) {
    const QString lower = name.toLower();
    if (lower == u"html" || lower == u"htm")
        return ExportFormat::Html;
    if (lower == u"md" || lower == u"markdown")
        return ExportFormat::Markdown;
    if (lower == u"txt" || lower == u"text")
        return ExportFormat::Text;
    if (lower == u"odt")
        return ExportFormat::Odt;
    if (lower == u"pdf")
        return ExportFormat::Pdf;
    return std::nullopt;
}

const char* ExportFormatExtension(ExportFormat format) {
    switch (format) {
    case ExportFormat::Html:
        return "html";
    case ExportFormat::Markdown:
        return "md";
    case ExportFormat::Text:
        return "txt";
    case ExportFormat::Odt:
        return "odt";
    case ExportFormat::Pdf:
        return "pdf";
    }
    return "";
}

std::unique_ptr<ExportWriter> MakeExportWriter(ExportFormat format, bool embedPictures) {
    switch (format) {
    case ExportFormat::Markdown:
        return std::make_unique<MarkdownWriter>(embedPictures);
    case ExportFormat::Text:
        return std::make_unique<TextWriter>();
    case ExportFormat::Odt:
        return std::make_unique<OdtWriter>();
    case ExportFormat::Html:
    case ExportFormat::Pdf:
        break;
    }
    return std::make_unique<HtmlWriter>();
}
