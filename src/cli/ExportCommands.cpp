// The commands that copy a journal's writing out or look it over: export, backup, check.
// None of them changes the journal file.
#include "cli/CliFailure.h"
#include "cli/CliText.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/EntryListing.h"
#include "cli/JournalNames.h"
#include "cli/JournalSession.h"
#include "cli/PrintExportChoice.h"

#include "core/export/ExportJob.h"
#include "core/export/JournalBackup.h"
#include "core/export/JournalCheck.h"
#include "core/platform/TextEncoding.h"
#include "core/session/CQBKDoc.h"
#include "core/store/JournalMessages.h"

#include "render/PdfEntryPages.h"

#include <QFile>

namespace {

ExportFormat formatOf(const CommandLine& line) {
    const std::optional<QString> name = line.value(QStringLiteral("format"));
    if (!name)
        throw usageError(cliText(
            QT_TRANSLATE_NOOP("qbk", "option --format is required (html, md, txt, odt or pdf)")));
    const std::optional<ExportFormat> format = ExportFormatNamed(*name);
    if (!format)
        throw usageError(
            cliText(QT_TRANSLATE_NOOP("qbk", "unknown format %1 (html, md, txt, odt or pdf)"),
                    {name->toUtf8().toStdString()}));
    return *format;
}

void checkExportLine(const CommandLine& line) {
    checkEntryChoiceLine(line);
    if (!line.value(QStringLiteral("out")))
        throw usageError(cliText(QT_TRANSLATE_NOOP("qbk", "option --out is required")));
}

} // namespace

// PDF is laid out with Qt's painting classes.
bool commandNeedsGui(const QStringList& arguments) {
    if (arguments.value(0) != u"export")
        return false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--")
            break;
        const QString value = argument == u"--format"             ? arguments.value(i + 1)
                              : argument.startsWith(u"--format=") ? argument.mid(9)
                                                                  : QString();
        const std::optional<ExportFormat> format = ExportFormatNamed(value);
        if (format == ExportFormat::Pdf)
            return true;
    }
    return false;
}

int runExport(const CommandLine& line) {
    const QString file = operandsOf(line, 1, "FILE")[0];
    checkExportLine(line);
    ExportRequest request;
    request.format = formatOf(line);
    request.outPath = *line.value(QStringLiteral("out"));
    request.split = line.isSet(QStringLiteral("split"));
    request.overwrite = line.isSet(QStringLiteral("force"));
    request.embedPictures = line.isSet(QStringLiteral("embed"));

    std::string input;
    const std::unique_ptr<JournalSession> opened = openJournal(line, file, input);
    JournalSession& session = *opened;
    request.choice = entryChoiceOf(line, session);
    if (ChosenEntryRows(session.reader().Db(), request.choice).empty())
        throw choiceError(session.label(),
                          cliText(QT_TRANSLATE_NOOP("qbk", "no entry matches the choice")));
    request.title = storedToText(session.doc().GetTitle());
    request.journalPath = QFile::decodeName(session.path().c_str());

    ExportMakers makers;
    makers.pdf = PdfEntryPages::Maker({});
    const ExportResult result = RunExport(session.reader(), request, makers);
    if (result.status != ExportResult::Status::Done)
        throw CliFailure(ExitJournal, result.message.toUtf8().toStdString());
    writeOut(std::to_string(result.entries) + (result.entries == 1 ? " entry" : " entries") +
             " written to " + request.outPath.toUtf8().toStdString() + "\n");
    return reportProblems(session.label(), result.problems);
}

int runBackup(const CommandLine& line) {
    const QStringList operands = operandsOf(line, 2, "FILE and OUT");
    const std::string source = QFile::encodeName(operands[0]).toStdString();
    if (!CQBKDoc::JournalFileExists(source))
        throw journalError(operands[0].toUtf8().toStdString(),
                           cliText(QT_TRANSLATE_NOOP("qbk", "the file does not exist")));
    const BackupResult result = BackupJournal(source, QFile::encodeName(operands[1]).toStdString(),
                                              line.isSet(QStringLiteral("force")));
    if (!result.ok)
        throw journalError(operands[0].toUtf8().toStdString(),
                           result.message.toUtf8().toStdString());
    return ExitSuccess;
}

int runCheck(const CommandLine& line) {
    const QString file = operandsOf(line, 1, "FILE")[0];
    const std::string label = file.toUtf8().toStdString();
    const std::string path = QFile::encodeName(file).toStdString();
    if (!CQBKDoc::JournalFileExists(path))
        throw journalError(label, cliText(QT_TRANSLATE_NOOP("qbk", "the file does not exist")));
    SqlDatabase db;
    db.open(path, true);
    JournalCheck check(db);
    if (check.NeedsPassword()) {
        std::string input;
        PasswordSource passwords = passwordSourceFor(line, file, input);
        bool unlocked = false;
        while (!unlocked) {
            const std::optional<std::string> password = passwords.next();
            if (!password)
                throw journalError(
                    label, passwords.terminalMissing()
                               ? cliText(QT_TRANSLATE_NOOP(
                                     "qbk", "The journal is protected by a password; type it on a "
                                            "terminal or give it with --password-stdin."))
                               : JournalMessages::Text(JournalMessages::kInvalidPassword));
            unlocked = check.Unlock(*password);
        }
    } else if (!check.Unlock({})) {
        throw journalError(label, cliText(QT_TRANSLATE_NOOP(
                                      "qbk", "the journal's content key does not decipher")));
    }
    const std::vector<std::string> problems = check.Run();
    std::string report;
    for (const std::string& problem : problems)
        report += problem + "\n";
    for (const std::string& note : check.Notes())
        report += "note: " + note + "\n";
    writeOut(report);
    return problems.empty() ? ExitSuccess : ExitProblems;
}
