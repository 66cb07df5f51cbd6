#include "export/ExportDialogValues.h"

ExportDialogValues InitialExportValues(const std::string& currentEntryId,
                                       const std::string& currentFolderId,
                                       const COleDateTime& today) {
    ExportDialogValues values;
    values.selectedEnabled = !currentEntryId.empty();
    values.folderEnabled = currentFolderId != "{Root}" && currentFolderId != "{All Entries}" &&
                           !currentFolderId.empty();
    if (values.selectedEnabled)
        values.scope = ExportChoice::Scope::Selected;
    else if (values.folderEnabled)
        values.scope = ExportChoice::Scope::Folder;
    values.from = values.to = today;
    return values;
}

ExportRequest ExportRequestFor(const ExportDialogValues& values, const std::string& currentEntryId,
                               const std::string& currentFolderId, const QString& title) {
    ExportRequest request;
    request.choice.scope = values.scope;
    request.choice.entryId = currentEntryId;
    request.choice.folderId = currentFolderId;
    request.choice.between = values.datesEnabled();
    request.choice.from =
        COleDateTime(values.from.GetYear(), values.from.GetMonth(), values.from.GetDay(), 0, 0, 0);
    request.choice.to =
        COleDateTime(values.to.GetYear(), values.to.GetMonth(), values.to.GetDay(), 23, 59, 59);
    request.format = values.format;
    request.outPath = values.path;
    request.split = values.split;
    // The file dialog has asked before the one file is replaced; files of a split export
    // that exist already are kept.
    request.overwrite = !values.split;
    request.title = title;
    return request;
}

QString ExportValuesProblem(const ExportDialogValues& values) {
    if (values.path.trimmed().isEmpty())
        return values.split ? QStringLiteral("Choose the folder to write the files in.")
                            : QStringLiteral("Choose the file to write.");
    if (values.scope == ExportChoice::Scope::Selected && !values.selectedEnabled)
        return QStringLiteral("No entry is selected.");
    if (values.scope == ExportChoice::Scope::Folder && !values.folderEnabled)
        return QStringLiteral("No folder is selected.");
    if (values.datesEnabled() && values.to < values.from)
        return QStringLiteral("The first day is after the last day.");
    return {};
}
