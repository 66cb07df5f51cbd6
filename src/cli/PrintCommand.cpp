// qbk print: a journal's entries to a PDF file, laid out as the program prints them.
#include "cli/CliFailure.h"
#include "cli/CliText.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/JournalSession.h"
#include "cli/PrintExportChoice.h"

#include "core/export/SafeFile.h"
#include "core/platform/TextEncoding.h"
#include "core/print/PrintMessages.h"
#include "core/store/SkippedEntry.h"
#include "render/PdfEntryPages.h"
#include "render/PrintRows.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace {

std::string utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

CliFailure writeError(SafeFile& out) {
    out.abandon();
    if (out.refused())
        return CliFailure(ExitJournal, utf8(out.error()));
    const std::string cause = utf8(out.error());
    return journalError(utf8(out.target()),
                        cause.empty()
                            ? cliText(QT_TRANSLATE_NOOP("qbk", "cannot be written"))
                            : cliText(QT_TRANSLATE_NOOP("qbk", "cannot be written: %1"), {cause}));
}

} // namespace

int runPrint(const CommandLine& line) {
    const QString file = operandsOf(line, 1, "FILE")[0];
    const std::optional<QString> pdf = line.value(QStringLiteral("pdf"));
    if (!pdf || pdf->isEmpty())
        throw usageError("--pdf OUT.pdf is required");
    checkEntryChoiceLine(line);

    std::string input;
    const std::unique_ptr<JournalSession> opened = openJournal(line, file, input);
    JournalSession& session = *opened;
    const std::vector<long long> rows =
        ChosenEntryRows(session.reader().Db(), entryChoiceOf(line, session));
    if (rows.empty())
        throw choiceError(session.label(), PrintMessages::Text(PrintMessages::kNoEntries));

    // Written beside the target and moved over it at the end: a failed print leaves no
    // half-written file and an older PDF of that name stays as it was.
    const OutputRule rule({QFile::decodeName(session.path().c_str())},
                          line.isSet(QStringLiteral("force")));
    SafeFile out(*pdf, rule);
    if (!out.open())
        throw writeError(out);
    EntryPrintJob::Options options;
    options.dateTimeHeader = !line.isSet(QStringLiteral("no-header"));
    options.continuous = line.isSet(QStringLiteral("continuous"));
    options.pageNumbers = line.isSet(QStringLiteral("page-numbers"));
    options.comments = line.isSet(QStringLiteral("comments"));
    int pages = 0;
    std::size_t printed = 0;
    ReadProblems problems;
    {
        PdfEntryPages job(out.device(), storedToText(session.doc().GetTitle()), options);
        const bool written = PrintRows(
            job.job(), session.reader(), rows, [&](std::size_t done) { printed = done; },
            &problems);
        if (!written || !job.finish() || !out.commit())
            throw writeError(out);
        pages = job.pagesPrinted();
    }
    const QString entries = printed == 1 ? QCoreApplication::translate("qbk", "entry")
                                         : QCoreApplication::translate("qbk", "entries");
    const QString sheets = pages == 1 ? QCoreApplication::translate("qbk", "page")
                                      : QCoreApplication::translate("qbk", "pages");
    std::fputs(QCoreApplication::translate("qbk", "Printed %1 %2 on %3 %4.\n")
                   .arg(printed)
                   .arg(entries)
                   .arg(pages)
                   .arg(sheets)
                   .toStdString()
                   .c_str(),
               stdout);
    return reportProblems(session.label(), problems);
}
