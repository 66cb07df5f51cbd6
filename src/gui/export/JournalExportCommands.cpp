#include "gui/export/JournalExportCommands.h"

#include "gui/export/AutoBackupStore.h"
#include "gui/export/BackupDialog.h"
#include "gui/export/ExportDialog.h"
#include "render/OdtConverter.h"

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
#include <QProgressDialog>
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

} // namespace

void ExportJournal(CQBKDoc& doc, const PageMargins& margins, QWidget* parent) {
    if (!doc.IsJournalOpen())
        return;
    ExportDialogValues initial = InitialExportValues(doc.CurrentEntryId(), doc.CurrentFolderId(),
                                                     COleDateTime::GetCurrentTime());
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
        QMessageBox::warning(
            parent, QStringLiteral("Export Journal"),
            QStringLiteral("The journal was not exported: %1.").arg(result.message));
}

ExportResult RunWithProgress(CQBKDoc& doc, const ExportRequest& request, QWidget* parent,
                             const PageMargins& margins) {
    QProgressDialog progress(QStringLiteral("Exporting entries..."), QStringLiteral("Cancel"), 0, 0,
                             parent);
    progress.setWindowTitle(QStringLiteral("Export Journal"));
    progress.setObjectName(QStringLiteral("exportProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    EntryPrintJob::Options pageOptions;
    pageOptions.margins = margins;
    const ExportMakers makers{HtmlToOdt, PdfEntryPages::Maker(pageOptions)};
    return RunExport(doc.Reader(), request, makers,
                     [&progress](std::size_t done, std::size_t total) {
                         progress.setMaximum(static_cast<int>(total));
                         progress.setValue(static_cast<int>(done));
                         QCoreApplication::processEvents();
                         return !progress.wasCanceled();
                     });
}

void BackUpJournal(CQBKDoc& doc, QWidget* parent) {
    if (!doc.IsJournalOpen())
        return;
    const QString proposed = documentsPath(
        journalBaseName(doc) +
        QStringLiteral(" backup %1.qbk").arg(QDate::currentDate().toString(Qt::ISODate)));
    BackupDialog dialog(proposed, AutoBackupStore::load(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    AutoBackupStore::save(dialog.automatic());
    if (dialog.copyPath().isEmpty())
        return;
    const BackupResult result =
        BackupJournal(doc.Path(), QFile::encodeName(dialog.copyPath()).toStdString(), true);
    if (!result.ok)
        QMessageBox::warning(
            parent, QStringLiteral("Back Up Journal"),
            QStringLiteral("The journal was not backed up: %1.").arg(result.message));
}

void AutoBackupOnOpen(const std::string& path, QWidget* parent) {
    const AutoBackupResult result =
        AutoBackup::Run(AutoBackupStore::load(), QFile::decodeName(path.c_str()));
    if (!result.message.isEmpty())
        QMessageBox::warning(parent, QStringLiteral("Automatic Backup"),
                             QStringLiteral("The automatic backup of %1 was not made: %2.\n"
                                            "The journal is open as usual.")
                                 .arg(QFile::decodeName(path.c_str()), result.message));
}

} // namespace JournalExportCommands
