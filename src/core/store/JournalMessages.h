#pragma once

#include <string>

// Texts the journal session shows; the command-line tool reports the same ones.
namespace JournalMessages {

inline constexpr const char* kUnknownError = "There was an unknown error opening the journal.";
inline constexpr const char* kMissingFile =
    "The Journal file you are trying to open no longer exists.";
inline constexpr const char* kBusy = "The Journal is already open by another user\nTry again later";
inline constexpr const char* kNotAJournal =
    "The file you are trying to open doesn't appear to be a\njournal file or it is corrupted.";
inline constexpr const char* kNewerVersion =
    "The Journal you are trying to open requires\na newer version Quillbook.";
inline constexpr const char* kQueryClose = "OK to close the journal that is open?";
inline constexpr const char* kInvalidPassword = "Invalid Password";
inline constexpr const char* kJournalCreated = "Journal Created";
inline constexpr const char* kJournalNotOpen = "Error - Journal not open";
inline constexpr const char* kWrongOldPassword = "The old password you entered is wrong";
inline constexpr const char* kPasswordNotChanged = "Password not changed";
inline constexpr const char* kPasswordChanged = "Password Changed";
inline constexpr const char* kPasswordRemoved = "Password Removed";

// The message for an open result code; empty for 0 (opened) and unknown codes.
std::string OpenResultMessage(int result);

} // namespace JournalMessages
