#pragma once

#include "core/platform/PageMargins.h"
#include "core/print/EntryPageLayout.h"
#include "core/print/PageFlow.h"

#include <QFont>
#include <QPainter>
#include <QString>

#include <string_view>

class QPagedPaintDevice;
class QTextDocument;

// One print job of one or more entries. Each entry starts on a new page, or follows the one
// before (continuous); its text is laid out inside the page margins and, when the header is
// on, stands under the entry's date and time, underlined as wide as the text, repeated with
// "(continued)" on the entry's later pages. Numbered pages carry the journal's title and
// "Page N of M" in their footer; M is known when every entry was counted first. The device
// must paint from the paper's corner (QPrinter::setFullPage, or a PDF writer without
// margins). Each entry's document lives only while it prints, so a job of a whole journal
// needs no more memory than its longest entry.
class EntryPrintJob {
public:
    struct Options {
        PageMargins margins;
        bool dateTimeHeader = true;
        // The job's pages to print, counted from 1 over the whole job; 0 and 0 print all.
        int fromPage = 0;
        int toPage = 0;
        bool continuous = false;
        bool pageNumbers = false;
        bool comments = false; // the entry's comment under its date
        QString journalTitle;  // in the footer of numbered pages
    };

    // An entry prints at most this many pages.
    static constexpr int kMaxPagesPerEntry = 65535;

    EntryPrintJob(QPagedPaintDevice& device, const Options& options);
    ~EntryPrintJob();
    EntryPrintJob(const EntryPrintJob&) = delete;
    EntryPrintJob& operator=(const EntryPrintJob&) = delete;

    // Prints an entry's stored text (RTF or plain) under the title. False when the device
    // cannot be painted on (a file that cannot be written, a printer that went away).
    bool printEntry(std::string_view storedText, const QString& title, const QString& comment = {});
    // Lays an entry out only to count the job's pages: called for every entry, in order,
    // before the first is printed, it gives numbered pages their "of M".
    void countEntry(std::string_view storedText, const QString& comment = {});
    // Ends the job; false when the device failed.
    bool finish();

    int pagesPrinted() const { return m_pagesPrinted; }
    const Options& options() const { return m_options; }
    // The layout the job's device gives the header lines it measured (for tests).
    const EntryPageLayout& layout() const { return m_layout; }

private:
    bool wanted(int jobPage) const;
    // Starts the next page of the job; false when the device failed.
    bool startPage();
    void drawHeader(const QString& title, int y);
    void drawFooter(int page);
    // The entry's document laid out for the page, with its comment first when asked.
    void layOut(QTextDocument& document, std::string_view storedText, const QString& comment) const;
    // Draws the document's lines from top to bottom (document coordinates) into the body.
    void drawSlice(QTextDocument& document, const QRect& body, int top, int bottom);

    QPagedPaintDevice& m_device;
    Options m_options;
    QPainter m_painter;
    QFont m_headerFont;
    EntryPageLayout m_layout;
    int m_footerHeight = 0;
    PageFlow::Sizes m_sizes;
    PageFlow m_flow;
    PageFlow m_countFlow;
    int m_pageCount = 0; // counted before printing; 0 when not
    bool m_begun = false;
    bool m_failed = false;
    int m_devicePage = -1;  // the job's page the device is on
    int m_pagesPrinted = 0; // pages put on the device
};
