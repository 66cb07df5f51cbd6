// The commands that copy a journal's writing out or look it over: export, backup, check.
// None of them changes the journal file.
#include "CliFailure.h"
#include "CommandSupport.h"
#include "Commands.h"
#include "EntryListing.h"
#include "JournalNames.h"
#include "JournalSession.h"

#include "export/ExportJob.h"
#include "export/JournalBackup.h"
#include "export/JournalCheck.h"
#include "platform/TextEncoding.h"
#include "store/CQBKDoc.h"
#include "store/JournalMessages.h"

#ifdef QBK_WITH_ODT
#include "export/OdtConverter.h"
#endif

#include <QFile>

namespace {

ExportFormat formatOf(const CommandLine& line) {
    const std::optional<QString> name = line.value(QStringLiteral("format"));
    if (!name)
        throw usageError("option --format is required (html, md, txt, odt or pdf)");
    const std::optional<ExportFormat> format = ExportFormatNamed(*name);
    if (!format)
        throw usageError("unknown format " + name->toUtf8().toStdString() +
                         " (html, md, txt, odt or pdf)");
    if (*format == ExportFormat::Pdf)
        throw usageError("PDF export needs the printing layout, which this version of qbk does "
                         "not have yet; export to html or odt and print that");
#ifndef QBK_WITH_ODT
    if (*format == ExportFormat::Odt)
        throw usageError("this qbk was built without Qt's GUI library and cannot write ODT");
#endif
    return *format;
}

ExportChoice choiceOf(const CommandLine& line, JournalSession& session) {
    ExportChoice choice;
    const std::optional<QString> entry = line.value(QStringLiteral("entry"));
    const std::optional<QString> folder = line.value(QStringLiteral("folder"));
    const std::optional<QString> from = line.value(QStringLiteral("from"));
    const std::optional<QString> to = line.value(QStringLiteral("to"));
    if (entry) {
        choice.scope = ExportChoice::Scope::Selected;
        choice.entryId = entryIdGiven(session, *entry);
    } else if (folder) {
        choice.scope = ExportChoice::Scope::Folder;
        choice.folderId = folderIdNamed(session, *folder);
    }
    if (from || to) {
        choice.between = true;
        choice.from = from ? parseDay(*from, "from", 0, 0, 0) : COleDateTime(1000, 1, 1, 0, 0, 0);
        choice.to = to ? parseDay(*to, "to", 23, 59, 59) : COleDateTime(9999, 12, 31, 23, 59, 59);
        if (choice.to < choice.from)
            throw usageError("the day of --from is after the day of --to");
    }
    for (const QString& topic : line.values(QStringLiteral("topic")))
        choice.topicIds.push_back(topicIdNamed(session, topic));
    return choice;
}

void checkExportLine(const CommandLine& line) {
    if (line.value(QStringLiteral("entry")) && line.value(QStringLiteral("folder")))
        throw usageError("--entry and --folder exclude each other");
    if (line.value(QStringLiteral("entry")) &&
        (line.value(QStringLiteral("from")) || line.value(QStringLiteral("to"))))
        throw usageError("--from and --to choose among several entries, not with --entry");
    if (!line.value(QStringLiteral("out")))
        throw usageError("option --out is required");
}

} // namespace

bool commandNeedsGui(const QStringList& arguments) {
#ifdef QBK_WITH_ODT
    if (arguments.value(0) != u"export")
        return false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--")
            break;
        const QString value = argument == u"--format"             ? arguments.value(i + 1)
                              : argument.startsWith(u"--format=") ? argument.mid(9)
                                                                  : QString();
        if (ExportFormatNamed(value) == ExportFormat::Odt)
            return true;
    }
#else
    Q_UNUSED(arguments);
#endif
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

    std::string input;
    const std::unique_ptr<JournalSession> opened = openJournal(line, file, input);
    JournalSession& session = *opened;
    request.choice = choiceOf(line, session);
    request.title = storedToText(session.doc().GetTitle());
    request.journalPath = QFile::decodeName(session.path().c_str());

    HtmlConverter converter;
#ifdef QBK_WITH_ODT
    if (request.format == ExportFormat::Odt)
        converter = HtmlToOdt;
#endif
    const ExportResult result =
        RunExport(session.db(), session.doc().ContentCipherEngine(), request, converter);
    if (result.status != ExportResult::Status::Done)
        throw CliFailure(ExitJournal, result.message.toUtf8().toStdString());
    writeOut(std::to_string(result.entries) + (result.entries == 1 ? " entry" : " entries") +
             " written to " + request.outPath.toUtf8().toStdString() + "\n");
    return ExitSuccess;
}

int runBackup(const CommandLine& line) {
    const QStringList operands = operandsOf(line, 2, "FILE and OUT");
    const std::string source = QFile::encodeName(operands[0]).toStdString();
    if (!CQBKDoc::JournalFileExists(source))
        throw journalError(operands[0].toUtf8().toStdString(), "the file does not exist");
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
        throw journalError(label, "the file does not exist");
    SqlDatabase db;
    db.open(path);
    JournalCheck check(db);
    if (check.NeedsPassword()) {
        std::string input;
        PasswordSource passwords = passwordSourceFor(line, file, input);
        bool unlocked = false;
        while (!unlocked) {
            const std::optional<std::string> password = passwords.next();
            if (!password)
                throw journalError(label, passwords.terminalMissing()
                                              ? "The journal is protected by a password; type "
                                                "it on a terminal or give it with "
                                                "--password-stdin."
                                              : JournalMessages::kInvalidPassword);
            unlocked = check.Unlock(*password);
        }
    } else if (!check.Unlock({})) {
        throw journalError(label, "the journal's content key does not decipher");
    }
    const std::vector<std::string> problems = check.Run();
    std::string report;
    for (const std::string& problem : problems)
        report += problem + "\n";
    writeOut(report);
    return problems.empty() ? ExitSuccess : ExitProblems;
}
