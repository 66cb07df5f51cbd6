#pragma once

#include "core/export/ExportJob.h"

#include <QString>
#include <string>
#include <vector>

// The Export Journal dialog's values: the entries, as Print Journal offers them, the format,
// the destination and whether each entry gets a file of its own.
struct ExportDialogValues {
    int what = EntryChoice::AllEntries;   // EntryChoice::What
    bool selectedEnabled = false;         // an entry is selected in the list
    bool folderEnabled = false;           // a folder other than the root is current
    std::vector<std::string> selectedIds; // several entries selected in the list, in its order
    bool between = false;
    COleDateTime from; // days; the times of day are set by the request
    COleDateTime to;
    ExportFormat format = ExportFormat::Html;
    QString path;
    bool split = false;

    // The dates can be chosen only for the entries of a folder or of the journal.
    bool betweenEnabled() const {
        return what != EntryChoice::SelectedEntry && what != EntryChoice::SelectedEntries;
    }
    bool selectedEntriesEnabled() const { return selectedIds.size() > 1; }
    bool datesEnabled() const { return between && betweenEnabled(); }
};

// The starting values for the session's current entry and folder, chosen as Print Journal
// chooses: the selected entry when there is one, else the current folder, else everything;
// with several entries selected in the list (selectedIds, in its order), those. Both days
// start at today.
ExportDialogValues InitialExportValues(const std::string& currentEntryId,
                                       const std::string& currentFolderId,
                                       const COleDateTime& today,
                                       const std::vector<std::string>& selectedIds = {});

// The label of the choice of the entries selected in the list.
QString SelectedEntriesLabel(int count);

// What the dialog's values ask for: the first day from 00:00, the last up to 23:59.
ExportRequest ExportRequestFor(const ExportDialogValues& values, const std::string& currentEntryId,
                               const std::string& currentFolderId, const QString& title);

// A problem with the values that keeps the dialog open, or empty.
QString ExportValuesProblem(const ExportDialogValues& values);
