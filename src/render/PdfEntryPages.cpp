#include "render/PdfEntryPages.h"

#include <QLocale>
#include <QPageSize>

namespace {

QPdfWriter& prepared(QPdfWriter& writer, const QString& title) {
    writer.setCreator(QStringLiteral("Quillbook"));
    writer.setTitle(title);
    writer.setPageSize(QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                                     ? QPageSize::Letter
                                     : QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0)); // the job places everything from the corner
    return writer;
}

EntryPrintJob::Options titled(EntryPrintJob::Options options, const QString& title) {
    if (options.journalTitle.isEmpty())
        options.journalTitle = title;
    return options;
}

} // namespace

PdfEntryPages::PdfEntryPages(QIODevice& out, const QString& title,
                             const EntryPrintJob::Options& options)
    : m_writer(&out), m_job(prepared(m_writer, title), titled(options, title)) {}

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
