#include "core/export/ExportDialogValues.h"

#include <QCoreApplication>

ExportDialogValues InitialExportValues(const std::string& currentEntryId,
                                       const std::string& currentFolderId,
                                       const COleDateTime& today,
                                       const std::vector<std::string>& selectedIds) {
    ExportDialogValues values;
    values.selectedEnabled = !currentEntryId.empty();
    values.folderEnabled = currentFolderId != "{Root}" && currentFolderId != "{All Entries}" &&
                           !currentFolderId.empty();
    if (selectedIds.size() > 1) {
        values.selectedIds = selectedIds;
        values.what = EntryChoice::SelectedEntries;
    } else if (values.selectedEnabled)
        values.what = EntryChoice::SelectedEntry;
    else if (values.folderEnabled)
        values.what = EntryChoice::CurrentFolder;
    values.from = values.to = today;
    return values;
}

ExportRequest ExportRequestFor(const ExportDialogValues& values, const std::string& currentEntryId,
                               const std::string& currentFolderId, const QString& title) {
    ExportRequest request;
    request.choice.what = values.what;
    request.choice.entryId = currentEntryId;
    request.choice.folderId = currentFolderId;
    request.choice.entryIds = values.selectedIds;
    request.choice.between = values.datesEnabled();
    request.choice.from = StartOfDay(values.from);
    request.choice.to = EndOfDay(values.to);
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
        return values.split
                   ? QCoreApplication::translate("ExportDialogValues",
                                                 "Choose the folder to write the files in.")
                   : QCoreApplication::translate("ExportDialogValues", "Choose the file to write.");
    if (values.what == EntryChoice::SelectedEntry && !values.selectedEnabled)
        return QCoreApplication::translate("ExportDialogValues", "No entry is selected.");
    if (values.what == EntryChoice::SelectedEntries && !values.selectedEntriesEnabled())
        return QCoreApplication::translate("ExportDialogValues", "No entries are selected.");
    if (values.what == EntryChoice::CurrentFolder && !values.folderEnabled)
        return QCoreApplication::translate("ExportDialogValues", "No folder is selected.");
    if (values.datesEnabled() && values.to < values.from)
        return QCoreApplication::translate("ExportDialogValues",
                                           "The first day is after the last day.");
    return {};
}

QString SelectedEntriesLabel(int count) {
    return QCoreApplication::translate("ExportDialogValues", "Export the %n Selected Entries",
                                       nullptr, count);
}
