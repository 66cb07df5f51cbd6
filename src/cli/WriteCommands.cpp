// The commands that write a journal: create, add.
#include "cli/CliFailure.h"
#include "cli/CliText.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/EntryInput.h"
#include "cli/EntryListing.h"
#include "cli/JournalNames.h"
#include "cli/JournalSession.h"

#include "core/dialogs/DialogChecks.h"
#include "core/platform/TextEncoding.h"

#include <unistd.h>

namespace {

constexpr const char* kNewEntryId = "{new_entry}";

// The new journal's password: the first line of standard input, or typed twice on the
// terminal with --protect; empty for a journal without one.
void choosePassword(const CommandLine& line, NewJournalValues& values) {
    const bool fromStdin = line.isSet(QStringLiteral("password-stdin"));
    const bool fromTerminal = line.isSet(QStringLiteral("protect"));
    if (fromStdin && fromTerminal)
        throw usageError("--password-stdin and --protect exclude each other");
    if (fromStdin) {
        std::string input;
        PasswordSource source = passwordSourceFor(line, QString(), input);
        values.m_password = source.next().value_or(std::string());
        values.m_confirmPassword = values.m_password;
    } else if (fromTerminal) {
        const std::optional<std::string> first =
            readHiddenLine(cliText(QT_TRANSLATE_NOOP("qbk", "New password: ")));
        const std::optional<std::string> second =
            first ? readHiddenLine(cliText(QT_TRANSLATE_NOOP("qbk", "Type it again: ")))
                  : std::nullopt;
        if (!second)
            throw usageError("--protect needs a terminal to type the password on");
        values.m_password = textToStored(QString::fromUtf8(first->c_str()));
        values.m_confirmPassword = textToStored(QString::fromUtf8(second->c_str()));
    }
    values.m_bPasswordProtected = fromStdin || fromTerminal;
}

} // namespace

int runCreate(const CommandLine& line) {
    const QString file = operandsOf(line, 1, "FILE")[0];
    const std::optional<QString> title = line.value(QStringLiteral("title"));
    if (!title || title->trimmed().isEmpty())
        throw usageError(
            cliText(QT_TRANSLATE_NOOP("qbk", "a new journal needs a --title that is not empty")));
    NewJournalValues values;
    values.m_title = textToStored(*title);
    values.m_owner = textToStored(line.value(QStringLiteral("owner")).value_or(QString()));
    if (characterCount(values.m_title) > kTitleMaxChars)
        throw usageError("--title is longer than " + std::to_string(kTitleMaxChars) +
                         " characters");
    if (characterCount(values.m_owner) > kOwnerMaxChars)
        throw usageError("--owner is longer than " + std::to_string(kOwnerMaxChars) +
                         " characters");
    choosePassword(line, values);

    // The journal is new: no password is asked for.
    JournalSession session(file, PasswordSource::fromLine({}));
    session.create(values);
    return ExitSuccess;
}

int runAdd(const CommandLine& line) {
    const QString file = operandsOf(line, 1, "FILE")[0];
    std::optional<std::string> comment;
    if (const std::optional<QString> given = line.value(QStringLiteral("comment"))) {
        comment = textToStored(*given);
        CommentValues check{*comment, true};
        if (const std::optional<DialogProblem> problem = checkComment(check))
            throw usageError("--comment: " + problem->message);
    }

    std::string input;
    const std::unique_ptr<JournalSession> opened = openJournal(line, file, input, true);
    JournalSession& session = *opened;
    if (!line.isSet(QStringLiteral("password-stdin"))) {
        if (::isatty(STDIN_FILENO))
            std::fputs(
                cliText(QT_TRANSLATE_NOOP(
                            "qbk", "Type the entry; end it with Ctrl-D on a line of its own.\n"))
                    .c_str(),
                stderr);
        input = readStandardInput();
    }
    CQBKDoc& doc = session.doc();
    if (const std::optional<QString> folder = line.value(QStringLiteral("folder")))
        doc.SetCurrentFolderId(folderIdNamed(session, *folder));
    const std::string rtf = entryRtfFromInput(input, doc.DefaultFontName(), doc.DefaultFontSize(),
                                              line.isSet(QStringLiteral("allow-empty")));

    session.ui().setComment(comment);
    std::string id = kNewEntryId;
    doc.SaveEntry(rtf, id);
    session.throwIfFailed();
    if (id == kNewEntryId)
        throw journalError(session.label(),
                           cliText(QT_TRANSLATE_NOOP("qbk", "the entry was not saved")));
    // A journal that does not prompt for comments never asks; the comment given is still
    // the user's.
    if (comment && !comment->empty() && !session.ui().commentAsked())
        doc.SetEntryComment(true, *comment, id);
    writeOut(storedToUtf8(id) + "\n");
    return ExitSuccess;
}
