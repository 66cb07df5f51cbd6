#pragma once

#include "core/session/JournalUi.h"
#include "core/store/NewJournalValues.h"

#include <optional>
#include <string>

class PasswordSource;

// The journal session's user interface on a terminal. Message boxes become one line on
// standard error; the dialogs the session runs are answered from the command line: the
// password prompt from the PasswordSource, the comment prompt from --comment, the New Journal
// dialog from the values the create command prepared. Nothing else is ever asked.
class TerminalUi : public JournalUi {
public:
    // label names the journal in every line written.
    TerminalUi(std::string label, PasswordSource& passwords);

    // The answer to the comment prompt; without one the prompt is cancelled, which keeps the
    // derived description and leaves the journal's setting alone.
    void setComment(std::optional<std::string> storedComment);
    bool commentAsked() const { return m_commentAsked; }

    void setNewJournal(const NewJournalValues& values) { m_newJournal = values; }

    // The last failure shown (a database error, or a New Journal value the dialog refuses).
    const std::optional<std::string>& failure() const { return m_failure; }
    bool wrongPasswordGiven() const { return m_wrongPassword; }

    MessageAnswer messageBox(const MessageBoxRequest& box) override;
    bool runPasswordDialog(PasswordValues& values) override;
    bool runChangePasswordDialog(ChangePasswordValues& values) override;
    bool runNewJournalDialog(NewJournalValues& values) override;
    bool runOptionsDialog(OptionsValues& values) override;
    bool runCommentDialog(CommentValues& values) override;
    bool runChangeDateDialog(ChangeDateValues& values) override;
    WelcomeChoice runWelcomeDialog() override;
    std::optional<std::string> chooseJournalToOpen() override;
    // A terminal never picks a file or folder: the write is abandoned and told.
    bool runSaveJournalAsDialog(SaveJournalAsValues&) override { return false; }
    bool runChooseFolderDialog(FolderChoiceValues&) override { return false; }

private:
    void printLine(const std::string& storedText) const;

    std::string m_label;
    PasswordSource& m_passwords;
    std::optional<std::string> m_comment;
    bool m_commentAsked = false;
    NewJournalValues m_newJournal;
    std::optional<std::string> m_failure;
    bool m_wrongPassword = false;
};

// A message of the session as one line: its line breaks folded into spaces.
std::string foldLines(const std::string& text);

// Stored bytes as UTF-8 for the terminal.
std::string storedToUtf8(const std::string& stored);
