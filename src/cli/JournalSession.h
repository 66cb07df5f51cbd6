#pragma once

#include "cli/PasswordSource.h"
#include "cli/TerminalUi.h"
#include "core/session/NoWindowHost.h"

#include "core/session/CQBKDoc.h"

#include <QString>
#include <string>

// One journal session for one command: the core's CQBKDoc with the terminal's user interface
// and a host without windows. Every refusal becomes a CliFailure naming the file.
class JournalSession {
public:
    JournalSession(const QString& file, PasswordSource passwords);
    JournalSession(const JournalSession&) = delete;
    JournalSession& operator=(const JournalSession&) = delete;

    // Read commands never write the file (no upgrade, no marks); others may.
    enum class Access { Read, Write };
    // Opens the journal; throws with the session's own message when it cannot.
    void open(Access access);
    // Creates the journal with the values; throws when it was not created.
    void create(NewJournalValues values);

    // Throws when the session reported a failure since it was opened.
    void throwIfFailed() const;

    CQBKDoc& doc() { return m_doc; }
    JournalReader reader() { return m_doc.Reader(); }
    TerminalUi& ui() { return m_ui; }
    const std::string& label() const { return m_label; }
    // The file as the file system names it.
    const std::string& path() const { return m_path; }

private:
    std::string m_label;
    std::string m_path;
    PasswordSource m_passwords;
    TerminalUi m_ui;
    NoWindowHost m_host;
    CQBKDoc m_doc;
};
