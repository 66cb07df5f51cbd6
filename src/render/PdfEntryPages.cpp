#include "render/PdfEntryPages.h"

#include <QLocale>
#include <QPageSize>

namespace {

QPageLayout localPaper() {
    return QPageLayout(QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                                     ? QPageSize::Letter
                                     : QPageSize::A4),
                       QPageLayout::Portrait, QMarginsF());
}

QPdfWriter& prepared(QPdfWriter& writer, const QString& title, QPageLayout paper, int dotsPerInch) {
    writer.setCreator(QStringLiteral("Quillbook"));
    writer.setTitle(title);
    writer.setResolution(dotsPerInch);
    // The job places everything from the corner.
    paper.setMinimumMargins(QMarginsF());
    paper.setMargins(QMarginsF());
    writer.setPageLayout(paper);
    return writer;
}

// QPdfWriter's own resolution.
constexpr int kPdfDotsPerInch = 1200;

EntryPrintJob::Options titled(EntryPrintJob::Options options, const QString& title) {
    if (options.journalTitle.isEmpty())
        options.journalTitle = title;
    return options;
}

} // namespace

PdfEntryPages::PdfEntryPages(QIODevice& out, const QString& title,
                             const EntryPrintJob::Options& options)
    : PdfEntryPages(out, title, options, localPaper(), kPdfDotsPerInch) {}

PdfEntryPages::PdfEntryPages(QIODevice& out, const QString& title,
                             const EntryPrintJob::Options& options, const QPageLayout& paper,
                             int dotsPerInch)
    : m_writer(&out), m_job(prepared(m_writer, title, paper, dotsPerInch), titled(options, title)) {
}

bool PdfEntryPages::printEntry(std::string_view storedText, const QString& when) {
    return m_job.printEntry(storedText, when);
}

bool PdfEntryPages::finish() {
    return m_job.finish();
}

EntryPagesMaker PdfEntryPages::Maker(const EntryPrintJob::Options& options) {
    return [options](QIODevice& out, const QString& title) -> std::unique_ptr<EntryPages> {
        return std::make_unique<PdfEntryPages>(out, title, options);
    };
}
