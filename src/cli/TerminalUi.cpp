#include "cli/TerminalUi.h"

#include "cli/PasswordSource.h"

#include "core/dialogs/DialogChecks.h"
#include "core/platform/TextEncoding.h"
#include "core/store/JournalMessages.h"

#include <cstdio>

std::string foldLines(const std::string& text) {
    std::string line;
    for (char ch : text) {
        if (ch == '\r' || ch == '\n') {
            if (!line.empty() && line.back() != ' ')
                line += ' ';
        } else {
            line += ch;
        }
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}

std::string storedToUtf8(const std::string& stored) {
    return storedToText(stored).toUtf8().toStdString();
}

TerminalUi::TerminalUi(std::string label, PasswordSource& passwords)
    : m_label(std::move(label)), m_passwords(passwords) {}

void TerminalUi::setComment(std::optional<std::string> storedComment) {
    m_comment = std::move(storedComment);
}

void TerminalUi::printLine(const std::string& storedText) const {
    const std::string line = "qbk: " + m_label + ": " + foldLines(storedToUtf8(storedText)) + "\n";
    std::fputs(line.c_str(), stderr);
}

MessageAnswer TerminalUi::messageBox(const MessageBoxRequest& box) {
    if (box.text == JournalMessages::Text(JournalMessages::kInvalidPassword)) {
        m_wrongPassword = true;
        // Someone typing gets told at once; a script hears it once, as the error.
        if (!m_passwords.fromStandardInput())
            printLine(box.text);
        return box.defaultAnswer;
    }
    if (box.icon == MessageIcon::Exclamation || box.icon == MessageIcon::Stop) {
        // Reported once, by the command, as the reason it failed.
        m_failure = foldLines(storedToUtf8(box.text));
        if (!box.detail.empty()) // the library's own words, for a bug report
            *m_failure += " (" + box.detail + ")";
        return box.defaultAnswer;
    }
    // A success note ("Journal Created") is no news: a command that succeeds says nothing on
    // standard error.
    if (box.icon == MessageIcon::Information)
        return box.defaultAnswer;
    printLine(box.text);
    // No question can be answered here; the default button is the cautious answer.
    return box.defaultAnswer;
}

bool TerminalUi::runPasswordDialog(PasswordValues& values) {
    const std::optional<std::string> password = m_passwords.next();
    if (!password)
        return false;
    values.m_password = *password;
    return true;
}

bool TerminalUi::runNewJournalDialog(NewJournalValues& values) {
    if (const std::optional<DialogProblem> problem = checkNewJournal(m_newJournal)) {
        m_failure = foldLines(storedToUtf8(problem->message));
        return false;
    }
    values = m_newJournal;
    return true;
}

bool TerminalUi::runCommentDialog(CommentValues& values) {
    if (!m_comment)
        return false;
    m_commentAsked = true;
    values.m_comment = *m_comment;
    return true;
}

bool TerminalUi::runChangePasswordDialog(ChangePasswordValues&) {
    return false;
}

bool TerminalUi::runOptionsDialog(OptionsValues&) {
    return false;
}

bool TerminalUi::runChangeDateDialog(ChangeDateValues&) {
    return false;
}

WelcomeChoice TerminalUi::runWelcomeDialog() {
    return WelcomeChoice::Close;
}

std::optional<std::string> TerminalUi::chooseJournalToOpen() {
    return std::nullopt;
}
