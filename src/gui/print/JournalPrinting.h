#pragma once

#include "core/platform/PageMargins.h"
#include "core/print/EntryChoice.h"
#include "core/print/PrintChoices.h"
#include "render/EntryPrintJob.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class CCustomPrintDialog;
class CQBKDoc;
class JournalUi;
class PrintJournalState;
class QPrintPreviewDialog;
class QPrinter;
class QWidget;

// The program's printing, on the application's one printer and its page margins: the Print
// Journal command, one entry's print (the entry list's and the editor's Print) and print
// preview. Several entries are one job with one print dialog, laid out as the Print Journal
// dialog chose (remembered in the settings); Cancel in that dialog prints nothing. The printer
// chosen in a print dialog is kept in the settings and taken again when the next JournalPrinting is
// made.
class JournalPrinting {
public:
    JournalPrinting(CQBKDoc& doc, JournalUi& ui, QPrinter& printer, const PageMargins& margins,
                    QWidget* parent);

    // The Print command: the Print Journal dialog, then the chosen entries; with several
    // entries selected in the list, those after the print dialog.
    void PrintJournal();
    // Prints one entry's stored text under its title; printFlag 1 prints without the print
    // dialog, with the date/time header.
    void PrintEntryText(const std::string& text, const std::string& title, int printFlag);
    // Shows one entry's pages in the print preview window.
    void PreviewEntryText(const std::string& text, const std::string& title);

    // Prints the chosen rows (ChosenEntryRows) as one job after one print dialog; nothing when it
    // is cancelled. Returns whether a job ran.
    bool PrintEntries(const std::vector<long long>& rows);
    // Shows the chosen rows in the print preview window, with the date/time header.
    void PreviewEntries(const std::vector<long long>& rows);

    // How dialogs are run; tests replace them. By default they are shown modally.
    std::function<bool(CCustomPrintDialog&)> runPrintDialog;
    std::function<bool(PrintJournalState&)> runPrintJournalDialog;
    std::function<void(QPrintPreviewDialog&)> runPreview;

private:
    // Runs the print dialog on the printer; the header option it was left with, or nothing
    // on Cancel.
    std::optional<bool> AskPrintOptions();
    // The job's layout from the dialogs' choices; the pages the print dialog chose with pageRange.
    EntryPrintJob::Options JobOptions(bool header, bool pageRange) const;
    // A job on the printer from the paper's corner, with the margins and, unless it is a
    // preview, the pages the print dialog chose.
    void RunJob(bool header, bool pageRange, const std::function<void(EntryPrintJob&)>& print);
    // A job of the rows; a failure to read them is told after it.
    void RunRows(bool header, bool pageRange, const std::vector<long long>& rows);
    // The same into the PDF file the printer is set to write, on a worker while the window
    // stays live, with progress and Cancel; a cancelled or failed job leaves the file as it was.
    void RunRowsToPdf(bool header, const std::vector<long long>& rows);
    // The preview window, whose pages paint draws on the printer.
    void ShowPreview(const std::function<void()>& paint);

    CQBKDoc& m_doc;
    JournalUi& m_ui;
    QPrinter& m_printer;
    const PageMargins& m_margins;
    QWidget* m_parent;
    PrintChoices m_choices;
};
