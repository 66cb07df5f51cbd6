// qbk import: entries from a RedNotebook folder, a folder of Markdown or text files, or another
// journal, into a journal.
#include "cli/CliFailure.h"
#include "cli/CliText.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/EntryListing.h"
#include "cli/JournalNames.h"
#include "cli/JournalSession.h"

#include "core/import/ImportFormat.h"
#include "core/import/ImportPreview.h"
#include "core/import/JournalImport.h"
#include "core/import/JournalSource.h"
#include "core/platform/TextEncoding.h"

#include <cstdio>

namespace {

ImportFormat formatOf(const CommandLine& line) {
    const std::optional<QString> name = line.value(QStringLiteral("from"));
    if (!name)
        throw usageError(cliText(QT_TRANSLATE_NOOP(
            "qbk", "option --from is required (rednotebook, markdown or quillbook)")));
    const std::optional<ImportFormat> format = ImportFormatNamed(*name);
    if (!format)
        throw usageError(cliText(
            QT_TRANSLATE_NOOP("qbk", "unknown format %1 (rednotebook, markdown or quillbook)"),
            {name->toUtf8().toStdString()}));
    return *format;
}

// The source journal's password: the line after the target's with --password-stdin.
PasswordSource sourcePasswords(const CommandLine& line, const QString& file, std::string& input) {
    if (!line.isSet(QStringLiteral("password-stdin")))
        return PasswordSource::fromTerminal(
            cliText(QT_TRANSLATE_NOOP("qbk", "Password for %1: "), {file.toUtf8().toStdString()}));
    const size_t end = input.find('\n');
    std::string password = input.substr(0, end);
    if (!password.empty() && password.back() == '\r')
        password.pop_back();
    return PasswordSource::fromLine(password);
}

void tellProblems(const std::vector<ImportProblem>& problems) {
    for (const ImportProblem& problem : problems)
        std::fprintf(stderr, "%s: %s\n", problem.source.toUtf8().constData(),
                     problem.message.toUtf8().constData());
}

} // namespace

int runImport(const CommandLine& line) {
    const QStringList operands = operandsOf(line, 2, "JOURNAL SOURCE");
    const ImportFormat format = formatOf(line);
    const bool dryRun = line.isSet(QStringLiteral("dry-run"));
    std::string input;
    const std::unique_ptr<JournalSession> target = openJournal(line, operands[0], input, !dryRun);
    CQBKDoc& doc = target->doc();
    std::string folderId = "{Root}";
    if (const std::optional<QString> folder = line.value(QStringLiteral("folder")))
        folderId = folderIdNamed(*target, *folder);

    // Read as the entries are written, one at a time: nothing holds them all.
    std::unique_ptr<JournalSession> source;
    ImportSource read;
    if (format == ImportFormat::Quillbook) {
        source = std::make_unique<JournalSession>(operands[1],
                                                  sourcePasswords(line, operands[1], input));
        source->open(JournalSession::Access::Read);
        if (source->path() == target->path())
            throw usageError(
                cliText(QT_TRANSLATE_NOOP("qbk", "a journal cannot be imported into itself")));
        read = [&](ImportSink& sink) { return ReadJournal(source->reader(), sink); };
    } else {
        ImportOptions options;
        options.fontFace = storedToText(doc.DefaultFontName());
        options.halfPoints = doc.DefaultFontSize() > 0 ? doc.DefaultFontSize() * 2 : 24;
        options.topicsFromTags = line.isSet(QStringLiteral("topics-from-tags"));
        read = [&, options](ImportSink& sink) {
            return ReadImportFolder(format, operands[1], options, sink);
        };
    }
    if (dryRun) {
        ImportPreview preview;
        read(preview);
        tellProblems(preview.problems());
        writeOut(preview.text().toUtf8().toStdString() + "\n");
        return preview.problems().empty() ? ExitSuccess : ExitProblems;
    }
    const ImportReport report = WriteImport(target->reader(), folderId, read);
    if (report.status == ImportReport::Status::Failed)
        throw journalError(target->label(), report.summary().toUtf8().toStdString());
    tellProblems(report.problems);
    writeOut(report.summary().toUtf8().toStdString() + "\n");
    return report.unreadable == 0 ? ExitSuccess : ExitProblems;
}
