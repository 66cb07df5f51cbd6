#include "cli/JournalSession.h"

#include "cli/CliFailure.h"
#include "cli/CliText.h"

#include "core/store/JournalMessages.h"

#include <QFile>

#include <filesystem>

JournalSession::JournalSession(const QString& file, PasswordSource passwords)
    : m_label(file.toUtf8().toStdString()), m_path(QFile::encodeName(file).toStdString()),
      m_passwords(std::move(passwords)), m_ui(m_label, m_passwords), m_doc(m_ui, m_host) {}

void JournalSession::open(Access access) {
    const CQBKDoc::OpenResult result =
        access == Access::Read ? m_doc.OpenJournalToRead(m_path) : m_doc.OpenJournal(m_path);
    if (result == CQBKDoc::OpenResult::Ok && m_doc.IsJournalOpen())
        return;
    if (result == CQBKDoc::OpenResult::Cancelled) {
        if (m_ui.wrongPasswordGiven())
            throw journalError(m_label, JournalMessages::Text(JournalMessages::kInvalidPassword));
        if (m_passwords.terminalMissing())
            throw journalError(m_label,
                               cliText(QT_TRANSLATE_NOOP(
                                   "qbk", "The journal is protected by a password; type it on a "
                                          "terminal or give it with --password-stdin.")));
    }
    // "No longer exists" would suggest it once did.
    if (result == CQBKDoc::OpenResult::MissingFile)
        throw journalError(m_label, cliText(QT_TRANSLATE_NOOP("qbk", "the file does not exist")));
    throw journalError(m_label, foldLines(CQBKDoc::OpenResultMessage(result)));
}

void JournalSession::create(NewJournalValues values) {
    values.m_path = m_path;
    values.m_fileName = std::filesystem::path(m_path).filename().string();
    m_ui.setNewJournal(values);
    m_doc.CreateJournal();
    throwIfFailed();
    if (!m_doc.IsJournalOpen())
        throw journalError(m_label,
                           cliText(QT_TRANSLATE_NOOP("qbk", "The journal was not created.")));
}

void JournalSession::throwIfFailed() const {
    if (m_ui.failure())
        throw journalError(m_label, *m_ui.failure());
}
