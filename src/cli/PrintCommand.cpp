// qbk print: a journal's entries to a PDF file, laid out as the program prints them.
#include "CliFailure.h"
#include "CommandSupport.h"
#include "Commands.h"
#include "JournalNames.h"
#include "JournalSession.h"

#include "platform/TextEncoding.h"
#include "print/EntryChoice.h"
#include "print/EntryPrintJob.h"
#include "print/PrintMessages.h"
#include "store/TimeStamp.h"

#include <QFile>
#include <QLocale>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

#include <cstdio>

namespace {

std::string utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

EntryChoice choiceOf(const CommandLine& line, JournalSession& session) {
    EntryChoice choice;
    const std::optional<QString> entry = line.value(QStringLiteral("entry"));
    const std::optional<QString> folder = line.value(QStringLiteral("folder"));
    if (entry) {
        choice.what = EntryChoice::SelectedEntry;
        choice.entryId = entryIdGiven(session, *entry);
    } else if (folder) {
        choice.what = EntryChoice::CurrentFolder;
        choice.folderId = folderIdNamed(session, *folder);
    }
    if (const std::optional<DayRange> days = dayRangeOf(line)) {
        choice.between = true;
        choice.from = days->from;
        choice.to = days->to;
    }
    return choice;
}

// The paper of the user's part of the world: Letter where inches are used, A4 elsewhere.
QPageSize localPaper() {
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                         ? QPageSize::Letter
                         : QPageSize::A4);
}

} // namespace

int runPrint(const CommandLine& line) {
    const QString file = operandsOf(line, 1, "FILE")[0];
    const std::optional<QString> pdf = line.value(QStringLiteral("pdf"));
    if (!pdf || pdf->isEmpty())
        throw usageError("--pdf OUT.pdf is required");
    if (line.isSet(QStringLiteral("entry")) &&
        (line.isSet(QStringLiteral("folder")) || line.isSet(QStringLiteral("from")) ||
         line.isSet(QStringLiteral("to"))))
        throw usageError("--entry prints one entry; it takes no --folder, --from or --to");
    dayRangeOf(line); // a wrong day is a usage error before any password is asked

    std::string input;
    const std::unique_ptr<JournalSession> opened = openJournal(line, file, input);
    JournalSession& session = *opened;
    const EntryChoice choice = choiceOf(line, session);
    const std::vector<ChosenEntry> chosen = ChooseEntries(session.db(), choice);
    if (chosen.empty())
        throw journalError(session.label(), PrintMessages::kNoEntries);

    // Written beside the target and moved over it at the end: a failed print leaves no
    // half-written file and an older PDF of that name stays as it was.
    QSaveFile out(*pdf);
    if (!out.open(QIODevice::WriteOnly))
        throw journalError(utf8(*pdf), "cannot be written: " + utf8(out.errorString()));
    QPdfWriter writer(&out);
    writer.setCreator(QStringLiteral("Quillbook"));
    writer.setTitle(storedToText(session.doc().GetTitle()));
    writer.setPageSize(localPaper());
    writer.setPageMargins(QMarginsF(0, 0, 0, 0)); // the job places everything from the corner

    EntryPrintJob::Options options;
    options.dateTimeHeader = !line.isSet(QStringLiteral("no-header"));
    EntryPrintJob job(writer, options);
    const std::string format = DisplayFormat(session.db());
    for (const ChosenEntry& entry : chosen) {
        const PrintableEntry printable = ReadPrintableEntry(
            session.db(), session.doc().ContentCipherEngine(), entry.rowid, format);
        if (!job.printEntry(printable.text, storedToText(printable.title)))
            break;
    }
    if (!job.finish() || !out.commit())
        throw journalError(utf8(*pdf), "cannot be written: " + utf8(out.errorString()));
    std::printf("Printed %zu %s on %d %s.\n", chosen.size(),
                chosen.size() == 1 ? "entry" : "entries", job.pagesPrinted(),
                job.pagesPrinted() == 1 ? "page" : "pages");
    return ExitSuccess;
}
