#include "gui/export/JournalExportCommands.h"

#include "gui/export/AutoBackupStore.h"
#include "gui/export/BackupDialog.h"
#include "gui/export/ExportDialog.h"
#include "gui/platform/BackgroundWork.h"

#include "core/export/JournalBackup.h"
#include "core/platform/TextEncoding.h"
#include "core/session/CQBKDoc.h"
#include "render/PdfEntryPages.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

namespace JournalExportCommands {

namespace {

QString journalBaseName(const CQBKDoc& doc) {
    return QFileInfo(QFile::decodeName(doc.Path().c_str())).completeBaseName();
}

// A name in the user's documents folder; in the home folder where there is no documents
// folder (a proposal in a folder that does not exist could only fail).
QString documentsPath(const QString& name) {
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    return (documents.exists() ? documents : QDir::home()).filePath(name);
}

// Backups count pages; the progress dialog is told them as they go.
BackupProgress toldTo(BackgroundWork::Progress& progress) {
    return [&progress](std::size_t done, std::size_t total) {
        progress.Tell(done, total);
        return !progress.Cancelled();
    };
}

} // namespace

void ExportJournal(CQBKDoc& doc, const PageMargins& margins, QWidget* parent) {
    if (!doc.IsJournalOpen())
        return;
    ExportDialogValues initial =
        InitialExportValues(doc.CurrentEntryId(), doc.CurrentFolderId(),
                            COleDateTime::GetCurrentTime(), doc.SelectedEntryIds());
    initial.path = documentsPath(journalBaseName(doc) + QStringLiteral(".") +
                                 QLatin1String(ExportFormatExtension(initial.format)));
    ExportDialog dialog(initial, documentsPath(journalBaseName(doc)), parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ExportRequest request = ExportRequestFor(dialog.values(), doc.CurrentEntryId(),
                                             doc.CurrentFolderId(), storedToText(doc.GetTitle()));
    request.journalPath = QFile::decodeName(doc.Path().c_str());
    const ExportResult result = RunWithProgress(doc, request, parent, margins);
    if (result.status == ExportResult::Status::Failed)
        QMessageBox::warning(parent,
                             QCoreApplication::translate("JournalExportCommands", "Export Journal"),
                             QCoreApplication::translate("JournalExportCommands",
                                                         "The journal was not exported: %1.")
                                 .arg(result.message));
}

ExportResult RunWithProgress(CQBKDoc& doc, const ExportRequest& request, QWidget* parent,
                             const PageMargins& margins) {
    // Read through a connection of its own on the worker, while the window stays live.
    const std::shared_ptr<BackgroundReader> reader = doc.OpenBackgroundReader();
    ExportResult result;
    if (!reader) {
        result.status = ExportResult::Status::Failed;
        result.message =
            QCoreApplication::translate("JournalExportCommands", "the journal cannot be read");
        return result;
    }
    EntryPrintJob::Options pageOptions;
    pageOptions.margins = margins;
    const ExportMakers makers{PdfEntryPages::Maker(pageOptions)};
    BackgroundWork::Run(
        parent,
        {QCoreApplication::translate("JournalExportCommands", "Export Journal"),
         QCoreApplication::translate("JournalExportCommands", "Exporting entries..."),
         QStringLiteral("exportProgress")},
        [&](BackgroundWork::Progress& progress) {
            result = RunExport(reader->Reader(), request, makers,
                               [&progress](std::size_t done, std::size_t total) {
                                   progress.Tell(done, total);
                                   return !progress.Cancelled();
                               });
        });
    return result;
}

BackupResult CopyWithProgress(std::string source, std::string target, QWidget* parent) {
    BackupResult result;
    BackgroundWork::Run(
        parent,
        {QCoreApplication::translate("JournalExportCommands", "Back Up Journal"),
         QCoreApplication::translate("JournalExportCommands", "Copying the journal..."),
         QStringLiteral("backupProgress")},
        [&](BackgroundWork::Progress& progress) {
            result = BackupJournal(source, target, true, toldTo(progress));
        });
    return result;
}

void BackUpJournal(CQBKDoc& doc, QWidget* parent) {
    if (!doc.IsJournalOpen())
        return;
    const QString proposed =
        documentsPath(journalBaseName(doc) +
                      QCoreApplication::translate("JournalExportCommands", " backup %1.qbk")
                          .arg(QDate::currentDate().toString(Qt::ISODate)));
    BackupDialog dialog(proposed, AutoBackupStore::load(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    AutoBackupStore::save(dialog.automatic());
    if (dialog.copyPath().isEmpty())
        return;
    const BackupResult result =
        CopyWithProgress(doc.Path(), QFile::encodeName(dialog.copyPath()).toStdString(), parent);
    if (!result.ok && !result.cancelled)
        QMessageBox::warning(
            parent, QCoreApplication::translate("JournalExportCommands", "Back Up Journal"),
            QCoreApplication::translate("JournalExportCommands",
                                        "The journal was not backed up: %1.")
                .arg(result.message));
}

void AutoBackupOnOpen(const std::string& path, QWidget* parent) {
    const AutoBackupSettings settings = AutoBackupStore::load();
    if (!settings.enabled)
        return;
    AutoBackupResult result;
    BackgroundWork::Run(
        parent,
        {QCoreApplication::translate("JournalExportCommands", "Automatic Backup"),
         QCoreApplication::translate("JournalExportCommands", "Copying the journal..."),
         QStringLiteral("backupProgress")},
        [&](BackgroundWork::Progress& progress) {
            result =
                AutoBackup::Run(settings, path, QDateTime::currentDateTime(), toldTo(progress));
        });
    if (!result.message.isEmpty())
        QMessageBox::warning(
            parent, QCoreApplication::translate("JournalExportCommands", "Automatic Backup"),
            QCoreApplication::translate("JournalExportCommands",
                                        "The automatic backup of %1 was not made: %2.\n"
                                        "The journal is open as usual.")
                .arg(QFile::decodeName(path.c_str()), result.message));
}

} // namespace JournalExportCommands
