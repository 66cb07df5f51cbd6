#include "gui/import/ImportJournalCommand.h"

#include "gui/import/ImportDlg.h"
#include "gui/platform/BackgroundWork.h"

#include "core/import/ImportConnection.h"
#include "core/import/ImportFormat.h"
#include "core/import/ImportMessages.h"
#include "core/import/ImportPreview.h"
#include "core/import/JournalImport.h"
#include "core/import/JournalSource.h"
#include "core/platform/TextEncoding.h"
#include "core/session/CQBKDoc.h"
#include "core/session/NoWindowHost.h"

#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <algorithm>

namespace ImportJournalCommand {

namespace {

// A source that does not know its total yet is measured against what the preview counted.
ImportProgress toldTo(BackgroundWork::Progress& progress, std::size_t expected = 0) {
    return [&progress, expected](std::size_t done, std::size_t total) {
        const std::size_t whole = total != 0 ? total : expected;
        progress.Tell(whole != 0 ? std::min(done, whole) : done, whole);
        return !progress.Cancelled();
    };
}

// Another journal is opened here, on the window's thread, where its password can be asked,
// and read through a connection of its own on the worker.
struct OtherJournal {
    NoWindowHost host;
    std::unique_ptr<CQBKDoc> doc;
    std::unique_ptr<BackgroundReader> reader;
};

bool openOther(OtherJournal& other, const QString& path, CQBKDoc& doc, JournalUi& ui,
               QWidget* parent) {
    if (QFileInfo(path).canonicalFilePath() ==
        QFileInfo(QFile::decodeName(doc.Path().c_str())).canonicalFilePath()) {
        QMessageBox::warning(parent, ImportMessages::title(), ImportMessages::sameJournal());
        return false;
    }
    other.doc = std::make_unique<CQBKDoc>(ui, other.host);
    const CQBKDoc::OpenResult result =
        other.doc->OpenJournalToRead(QFile::encodeName(path).toStdString());
    if (result != CQBKDoc::OpenResult::Ok) {
        other.doc->ReportOpenResult(result);
        return false;
    }
    other.reader = other.doc->OpenBackgroundReader();
    return other.reader != nullptr;
}

void showReport(const ImportReport& report, QWidget* parent) {
    QMessageBox box(report.status == ImportReport::Status::Failed ? QMessageBox::Warning
                                                                  : QMessageBox::Information,
                    ImportMessages::title(), report.summary(), QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("importReport"));
    QStringList lines;
    for (const ImportProblem& problem : report.problems)
        lines << problem.source + QStringLiteral(": ") + problem.message;
    if (!lines.isEmpty())
        box.setDetailedText(lines.join(u'\n'));
    box.exec();
}

} // namespace

void Run(CQBKDoc& doc, JournalUi& ui, QWidget* parent) {
    if (!doc.CanWrite())
        return;
    ImportDlg dialog(doc.FolderChoices(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const ImportDialogValues values = dialog.values();
    OtherJournal other;
    if (values.format == ImportFormat::Quillbook &&
        !openOther(other, values.source, doc, ui, parent))
        return;
    const ImportOptions options{storedToText(doc.DefaultFontName()),
                                doc.DefaultFontSize() > 0 ? doc.DefaultFontSize() * 2 : 24,
                                values.topicsFromTags};
    // Read twice, counting first and writing after the question, so that neither holds all
    // the entries.
    const auto read = [&](ImportSink& sink, const ImportProgress& told) {
        return other.reader ? ReadJournal(other.reader->Reader(), sink, told)
                            : ReadImportFolder(values.format, values.source, options, sink, told);
    };
    ImportPreview preview;
    const bool cancelled = BackgroundWork::Run(
        parent,
        {ImportMessages::title(), ImportMessages::reading(), QStringLiteral("importReading")},
        [&](BackgroundWork::Progress& progress) { read(preview, toldTo(progress)); });
    if (cancelled)
        return;
    if (preview.entries() == 0) {
        ImportReport nothing;
        nothing.problems = preview.problems();
        nothing.unreadable = preview.unreadable();
        showReport(nothing, parent);
        return;
    }
    if (QMessageBox::question(parent, ImportMessages::title(),
                              preview.text() + QStringLiteral("\n\n") + ImportMessages::confirm(),
                              QMessageBox::Yes | QMessageBox::Cancel,
                              QMessageBox::Yes) != QMessageBox::Yes)
        return;

    std::unique_ptr<ImportConnection> connection;
    try {
        connection = std::make_unique<ImportConnection>(doc.Path(), doc.Reader().Keyed());
    } catch (const CppSQLite3Exception& e) {
        doc.ShowDatabaseError(e);
        return;
    }
    ImportReport report;
    BackgroundWork::Run(
        parent,
        {ImportMessages::title(), ImportMessages::writing(), QStringLiteral("importProgress")},
        [&](BackgroundWork::Progress& progress) {
            const ImportProgress told = toldTo(progress, preview.entries() + preview.unreadable());
            report = WriteImport(connection->Target(), values.folderId,
                                 [&](ImportSink& sink) { return read(sink, told); });
        });
    connection.reset();
    doc.RefreshIfChangedElsewhere();
    showReport(report, parent);
}

} // namespace ImportJournalCommand
