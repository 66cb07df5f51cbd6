#include "core/dialogs/DialogChecks.h"

#include "core/platform/TextEncoding.h"
#include "core/session/NewJournalPath.h"

#include <QCoreApplication>

namespace {

std::string said(const QString& text) {
    return text.toStdString();
}

std::optional<DialogProblem> tooLong(std::string_view stored, std::size_t limit, int controlId) {
    if (characterCount(stored) <= limit) {
        return std::nullopt;
    }
    return DialogProblem{
        said(QCoreApplication::translate("DialogChecks", "Please enter no more than %1 characters.")
                 .arg(limit)),
        controlId};
}

} // namespace

std::size_t characterCount(std::string_view stored) {
    const QString text = storedToText(stored);
    std::size_t count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A surrogate pair is one character.
        if (!text.at(i).isLowSurrogate() || i == 0 || !text.at(i - 1).isHighSurrogate()) {
            ++count;
        }
    }
    return count;
}

std::optional<DialogProblem> checkNewJournal(const NewJournalValues& values) {
    if (auto problem = tooLong(values.m_owner, kOwnerMaxChars, kOwnerEditId)) {
        return problem;
    }
    if (auto problem = tooLong(values.m_title, kTitleMaxChars, kTitleEditId)) {
        return problem;
    }
    if (values.m_bPasswordProtected && values.m_password.empty() &&
        values.m_confirmPassword.empty()) {
        return DialogProblem{
            said(QCoreApplication::translate("DialogChecks", "You didn't enter a password")),
            kNewPasswordEditId};
    }
    // With the box cleared the fields are ignored (finishNewJournal empties them), so a
    // mismatch there cannot lock anyone out.
    if (values.m_bPasswordProtected && values.m_password != values.m_confirmPassword) {
        return DialogProblem{said(QCoreApplication::translate(
                                 "DialogChecks", "The passwords you entered did not match")),
                             kNewPasswordEditId, true};
    }
    if (somethingExistsAt(values.m_path)) {
        return DialogProblem{alreadyExistsMessage(values.m_path), kBrowseButtonId, false,
                             MessageIcon::Stop};
    }
    return std::nullopt;
}

void finishNewJournal(NewJournalValues& values) {
    if (!values.m_bPasswordProtected) {
        values.m_password.clear();
        values.m_confirmPassword.clear();
    }
}

std::optional<DialogProblem> checkChangePassword(const ChangePasswordValues& values) {
    if (values.m_newPassword != values.m_confirmPassword) {
        return DialogProblem{said(QCoreApplication::translate(
                                 "DialogChecks", "The new password does not match the password "
                                                 "you entered to confirm it.\n Please Re-enter")),
                             kNewPasswordEditId};
    }
    return std::nullopt;
}

std::optional<DialogProblem> checkOptions(const OptionsValues& values) {
    if (auto problem = tooLong(values.m_title, kTitleMaxChars, kTitleEditId)) {
        return problem;
    }
    return tooLong(values.m_owner, kOwnerMaxChars, kOwnerEditId);
}

std::optional<DialogProblem> checkComment(const CommentValues& values) {
    return tooLong(values.m_comment, kCommentMaxChars, kCommentEditId);
}

QDateTime combineDateAndTime(QDate date, QTime time) {
    return QDateTime(date, time, Qt::UTC);
}
