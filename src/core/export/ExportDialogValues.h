#pragma once

#include "core/export/ExportJob.h"

#include <QString>
#include <string>

// The Export Journal dialog's values: the entries, as Print Journal offers them, the format,
// the destination and whether each entry gets a file of its own.
struct ExportDialogValues {
    int what = EntryChoice::AllEntries; // EntryChoice::What
    bool selectedEnabled = false;       // an entry is selected in the list
    bool folderEnabled = false;         // a folder other than the root is current
    bool between = false;
    COleDateTime from; // days; the times of day are set by the request
    COleDateTime to;
    ExportFormat format = ExportFormat::Html;
    QString path;
    bool split = false;

    // The dates can be chosen only for several entries.
    bool betweenEnabled() const { return what != EntryChoice::SelectedEntry; }
    bool datesEnabled() const { return between && betweenEnabled(); }
};

// The starting values for the session's current entry and folder, chosen as Print Journal
// chooses: the selected entry when there is one, else the current folder, else everything.
// Both days start at today.
ExportDialogValues InitialExportValues(const std::string& currentEntryId,
                                       const std::string& currentFolderId,
                                       const COleDateTime& today);

// What the dialog's values ask for: the first day from 00:00, the last up to 23:59.
ExportRequest ExportRequestFor(const ExportDialogValues& values, const std::string& currentEntryId,
                               const std::string& currentFolderId, const QString& title);

// A problem with the values that keeps the dialog open, or empty.
QString ExportValuesProblem(const ExportDialogValues& values);
