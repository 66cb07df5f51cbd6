#pragma once

#include "core/export/EntryPages.h"
#include "render/EntryPrintJob.h"

#include <QPageLayout>
#include <QPdfWriter>

// Entries printed into a PDF file through the program's print job, on the paper of the user's
// part of the world (Letter where inches are used, A4 elsewhere): what qbk print writes and
// what an export to PDF writes. The title is the file's Title and, unless the options name
// another, the one in the footer of numbered pages.
class PdfEntryPages : public EntryPages {
public:
    PdfEntryPages(QIODevice& out, const QString& title, const EntryPrintJob::Options& options);
    // On the given paper (its margins are ignored: the options place everything) at the given
    // resolution, as a printer set to write a PDF file would lay the pages out.
    PdfEntryPages(QIODevice& out, const QString& title, const EntryPrintJob::Options& options,
                  const QPageLayout& paper, int dotsPerInch);

    bool printEntry(std::string_view storedText, const QString& when) override;
    bool finish() override;
    int pagesPrinted() const { return m_job.pagesPrinted(); }
    EntryPrintJob& job() { return m_job; }

    // Makes the pages of an export, with these options for every document.
    static EntryPagesMaker Maker(const EntryPrintJob::Options& options);

private:
    QPdfWriter m_writer;
    EntryPrintJob m_job; // ends before the writer
};
