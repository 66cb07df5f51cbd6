#pragma once

#include "core/session/ChangePasswordValues.h"
#include "core/session/CommentValues.h"
#include "core/session/MessageBoxRequest.h"
#include "core/store/NewJournalValues.h"
#include "core/store/OptionsValues.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The checks the journal dialogs run when OK is pressed, without the widgets. Each returns
// the first problem that keeps the dialog open, or nothing when it may close with OK.

// Longest texts the user may type, in characters (the settings row's column sizes).
inline constexpr std::size_t kTitleMaxChars = 100;
inline constexpr std::size_t kOwnerMaxChars = 30;
inline constexpr std::size_t kCommentMaxChars = 100;

// Control ids the dialogs move the focus to.
inline constexpr int kCommentEditId = 1000;
inline constexpr int kTitleEditId = 1002;
inline constexpr int kOwnerEditId = 1003;
inline constexpr int kNewPasswordEditId = 1007;
inline constexpr int kBrowseButtonId = 1027;

struct DialogProblem {
    std::string message;         // shown with an OK button
    int focusControlId;          // the control that gets the focus, its text selected
    bool clearPasswords = false; // both new-password fields are emptied
    MessageIcon icon = MessageIcon::None;

    bool operator==(const DialogProblem&) const = default;
};

// Characters (not bytes) in a stored value.
std::size_t characterCount(std::string_view stored);

// Refuses a path where anything exists (not only a readable file). The passwords are checked
// only while "Password Protected" is ticked.
std::optional<DialogProblem> checkNewJournal(const NewJournalValues& values);
// What the New Journal dialog hands its caller after OK: with "Password Protected" cleared
// the journal gets no password, whatever the fields hold.
void finishNewJournal(NewJournalValues& values);
std::optional<DialogProblem> checkChangePassword(const ChangePasswordValues& values);
std::optional<DialogProblem> checkOptions(const OptionsValues& values);
std::optional<DialogProblem> checkComment(const CommentValues& values);

// The entry date the Change Entry Date dialog ends with: the day of the date picker and the
// time of the time picker. The result carries no zone (UTC only keeps Qt from moving a time
// that falls into a daylight-saving gap); read back its date and time.
QDateTime combineDateAndTime(QDate date, QTime time);
