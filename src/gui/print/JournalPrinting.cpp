#include "gui/print/JournalPrinting.h"

#include "core/export/OutputRule.h"
#include "core/export/SafeFile.h"
#include "core/platform/TextEncoding.h"
#include "core/print/PrintJournalState.h"
#include "core/print/PrintMessages.h"
#include "core/session/BackgroundReader.h"
#include "core/session/CQBKDoc.h"
#include "core/session/JournalUi.h"
#include "gui/platform/BackgroundWork.h"
#include "gui/print/CCustomPrintDialog.h"
#include "gui/print/CPrintJournalDlg.h"
#include "gui/print/PrinterSettings.h"
#include "render/PdfEntryPages.h"
#include "render/PrintRows.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QSettings>

JournalPrinting::JournalPrinting(CQBKDoc& doc, JournalUi& ui, QPrinter& printer,
                                 const PageMargins& margins, QWidget* parent)
    : m_doc(doc), m_ui(ui), m_printer(printer), m_margins(margins), m_parent(parent) {
    runPrintDialog = [](CCustomPrintDialog& dialog) { return dialog.exec() == QDialog::Accepted; };
    runPreview = [](QPrintPreviewDialog& preview) { preview.exec(); };
    runPrintJournalDialog = [parent](PrintJournalState& state) {
        CPrintJournalDlg dialog(state, parent);
        return dialog.exec() == QDialog::Accepted;
    };
    QSettings settings;
    PrinterSettings::restore(m_printer, settings);
    m_choices = PrintChoices::Load(settings);
}

void JournalPrinting::PrintJournal() {
    EntryChoice selected;
    selected.what = EntryChoice::SelectedEntries;
    selected.entryIds = m_doc.SelectedEntryIds();
    if (selected.entryIds.size() > 1) {
        // Several entries selected in the list: those, in its order, as the layout was last
        // chosen.
        try {
            PrintEntries(ChosenEntryRows(m_doc.Reader().Db(), selected));
        } catch (const CppSQLite3Exception& e) {
            m_ui.showError(e.message());
        }
        return;
    }
    PrintJournalState state(m_doc.CurrentEntryId(), m_doc.CurrentFolderId(),
                            COleDateTime::GetCurrentTime());
    QSettings settings;
    state.m_choices = PrintChoices::Load(settings);
    if (!runPrintJournalDialog(state))
        return;
    m_choices = state.m_choices;
    m_choices.Save(settings);
    try {
        if (state.m_nPrintWhat == EntryChoice::SelectedEntry) {
            // The entry list's selected entry, as its own Print command prints it.
            if (!m_doc.CurrentEntryId().empty())
                m_doc.PrintEntry(m_doc.CurrentEntryId(), 0);
            return;
        }
        const std::vector<long long> rows = ChosenEntryRows(m_doc.Reader().Db(), state.Choice());
        if (rows.empty()) {
            m_ui.showMessage(PrintMessages::Text(PrintMessages::kNoEntries));
            return;
        }
        if (state.m_bPreview)
            PreviewEntries(rows);
        else
            PrintEntries(rows);
    } catch (const CppSQLite3Exception& e) {
        m_ui.showError(e.message());
    }
}

std::optional<bool> JournalPrinting::AskPrintOptions() {
    CCustomPrintDialog dialog(&m_printer, m_parent);
    if (!runPrintDialog(dialog))
        return std::nullopt;
    QSettings settings;
    PrinterSettings::save(m_printer, settings);
    return dialog.m_bDateTimeHeader;
}

EntryPrintJob::Options JournalPrinting::JobOptions(bool header, bool pageRange) const {
    EntryPrintJob::Options options;
    options.margins = m_margins;
    options.dateTimeHeader = header;
    options.continuous = m_choices.continuous;
    options.pageNumbers = m_choices.pageNumbers;
    options.comments = m_choices.comments;
    options.journalTitle = storedToText(m_doc.GetTitle());
    if (pageRange && m_printer.printRange() == QPrinter::PageRange) {
        options.fromPage = m_printer.fromPage();
        options.toPage = m_printer.toPage();
    }
    return options;
}

void JournalPrinting::RunJob(bool header, bool pageRange,
                             const std::function<void(EntryPrintJob&)>& print) {
    const EntryPrintJob::Options options = JobOptions(header, pageRange);
    // The title of a PDF printed to, and the job's name in the printer's queue.
    m_printer.setDocName(options.journalTitle);
    const bool fullPage = m_printer.fullPage();
    m_printer.setFullPage(true);
    {
        EntryPrintJob job(m_printer, options);
        print(job);
        if (!job.finish())
            m_ui.showError(PrintMessages::Text(PrintMessages::kPrintFailed));
    }
    m_printer.setFullPage(fullPage);
}

bool JournalPrinting::PrintEntries(const std::vector<long long>& rows) {
    const std::optional<bool> header = AskPrintOptions();
    if (!header)
        return false;
    // A real printer's job stays on this thread: the one printer object is shared with the
    // window's dialogs, and Qt does not promise that its system print engines work elsewhere.
    if (m_printer.outputFormat() == QPrinter::PdfFormat && !m_printer.outputFileName().isEmpty())
        RunRowsToPdf(*header, rows);
    else
        RunRows(*header, true, rows);
    return true;
}

void JournalPrinting::RunRowsToPdf(bool header, const std::vector<long long>& rows) {
    // Read through a connection of its own on the worker; nullptr was told.
    const std::shared_ptr<BackgroundReader> reader = m_doc.OpenBackgroundReader();
    if (!reader)
        return;
    const EntryPrintJob::Options options = JobOptions(header, true);
    m_printer.setDocName(options.journalTitle);
    const QString path = m_printer.outputFileName();
    const QPageLayout paper = m_printer.pageLayout();
    const int dotsPerInch = m_printer.resolution();
    // Never over the journal itself, whatever path names it; the print dialog asked before
    // replacing any other file.
    const OutputRule rule({QFile::decodeName(m_doc.Path().c_str())}, true);
    std::string failure;
    bool written = false;
    const bool cancelled = BackgroundWork::Run(
        m_parent,
        {PrintMessages::ProgressTitle(), PrintMessages::ProgressLabel(),
         QStringLiteral("printProgress")},
        [&](BackgroundWork::Progress& progress) {
            // Until its commit the pages are under a temporary name; without one, no file.
            SafeFile file(path, rule);
            if (!file.open()) {
                failure = file.message().toStdString();
                return;
            }
            {
                PdfEntryPages pages(file.device(), options.journalTitle, options, paper,
                                    dotsPerInch);
                const auto told = [&](std::size_t printed) { progress.Tell(printed, rows.size()); };
                try {
                    written = PrintRows(pages.job(), reader->Reader(), rows, told, nullptr,
                                        &progress.CancelFlag());
                } catch (const CppSQLite3Exception& e) {
                    // Entries read before the failure stay printed, as on a printer.
                    failure = e.message();
                    written = true;
                }
                written = pages.finish() && written;
            }
            if (!written || progress.Cancelled())
                file.discard();
            else if (!file.commit())
                failure = file.message().toStdString();
        });
    if (!failure.empty())
        m_ui.showError(failure);
    else if (!written && !cancelled)
        m_ui.showError(PrintMessages::Text(PrintMessages::kPrintFailed));
}

void JournalPrinting::RunRows(bool header, bool pageRange, const std::vector<long long>& rows) {
    // Entries read before a failure stay printed; the failure is told when the job has ended.
    std::string failure;
    RunJob(header, pageRange, [&](EntryPrintJob& job) {
        try {
            PrintRows(job, m_doc.Reader(), rows);
        } catch (const CppSQLite3Exception& e) {
            failure = e.message();
        }
    });
    if (!failure.empty())
        m_ui.showError(failure);
}

void JournalPrinting::PreviewEntries(const std::vector<long long>& rows) {
    ShowPreview([&] { RunRows(true, false, rows); });
}

void JournalPrinting::PrintEntryText(const std::string& text, const std::string& title,
                                     int printFlag) {
    bool header = true;
    if (printFlag == 0) {
        const std::optional<bool> chosen = AskPrintOptions();
        if (!chosen)
            return;
        header = *chosen;
    }
    RunJob(header, true, [&](EntryPrintJob& job) { job.printEntry(text, storedToText(title)); });
}

void JournalPrinting::PreviewEntryText(const std::string& text, const std::string& title) {
    ShowPreview([&] {
        RunJob(true, false, [&](EntryPrintJob& job) { job.printEntry(text, storedToText(title)); });
    });
}

void JournalPrinting::ShowPreview(const std::function<void()>& paint) {
    QPrintPreviewDialog preview(&m_printer, m_parent);
    preview.setObjectName(QStringLiteral("printPreview"));
    // Qt's own size shows a whole page too small to read; take most of the screen.
    if (const QScreen* screen = m_parent ? m_parent->screen() : QGuiApplication::primaryScreen())
        preview.resize(screen->availableGeometry().size() * 4 / 5);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter*) { paint(); });
    runPreview(preview);
}
