#pragma once

#include "core/export/ExportJob.h"
#include "core/export/JournalBackup.h"
#include "core/platform/PageMargins.h"

#include <string>

class CQBKDoc;
class QWidget;

// File > Export Journal... and File > Back Up Journal..., and the automatic backup made when a
// journal is opened. Messages go to message boxes over the parent.
namespace JournalExportCommands {

// A PDF is laid out as printed, inside the page setup's margins.
void ExportJournal(CQBKDoc& doc, const PageMargins& margins, QWidget* parent);

// Runs the export with a progress dialog whose Cancel stops it; a cancelled or failed export
// leaves no file.
ExportResult RunWithProgress(CQBKDoc& doc, const ExportRequest& request, QWidget* parent,
                             const PageMargins& margins = {});

void BackUpJournal(CQBKDoc& doc, QWidget* parent);
// The copy Back Up Journal makes (replacing target), with a progress dialog whose Cancel stops
// it; a cancelled or failed copy leaves no file.
BackupResult CopyWithProgress(std::string source, std::string target, QWidget* parent);

// Makes the automatic backup of a journal just opened, when the user asked for them. A
// failure is told and the journal stays open.
void AutoBackupOnOpen(const std::string& path, QWidget* parent);

} // namespace JournalExportCommands
