#pragma once

#include "core/store/JournalAccess.h"

#include <QtGlobal>

#include <string>

// Texts the journal session shows; the command-line tool reports the same ones. The constants
// are the English originals: Text() gives what the user reads.
namespace JournalMessages {

// One of the texts below in the user's language, as UTF-8.
std::string Text(const char* message);

inline constexpr const char* kUnknownError =
    QT_TRANSLATE_NOOP("JournalMessages", "There was an unknown error opening the journal.");
inline constexpr const char* kMissingFile = QT_TRANSLATE_NOOP(
    "JournalMessages", "The Journal file you are trying to open no longer exists.");
inline constexpr const char* kBusy = QT_TRANSLATE_NOOP(
    "JournalMessages", "The Journal is already open by another user\nTry again later");
inline constexpr const char* kNotAJournal = QT_TRANSLATE_NOOP(
    "JournalMessages",
    "The file you are trying to open doesn't appear to be a\njournal file or it is corrupted.");
inline constexpr const char* kNewerVersion = QT_TRANSLATE_NOOP(
    "JournalMessages", "The Journal you are trying to open requires\na newer version Quillbook.");
inline constexpr const char* kQueryClose =
    QT_TRANSLATE_NOOP("JournalMessages", "OK to close the journal that is open?");
inline constexpr const char* kInvalidPassword =
    QT_TRANSLATE_NOOP("JournalMessages", "Invalid Password");
inline constexpr const char* kJournalCreated =
    QT_TRANSLATE_NOOP("JournalMessages", "Journal Created");
inline constexpr const char* kJournalNotOpen =
    QT_TRANSLATE_NOOP("JournalMessages", "Error - Journal not open");
inline constexpr const char* kWrongOldPassword =
    QT_TRANSLATE_NOOP("JournalMessages", "The old password you entered is wrong");
inline constexpr const char* kPasswordNotChanged =
    QT_TRANSLATE_NOOP("JournalMessages", "Password not changed");
inline constexpr const char* kPasswordChanged =
    QT_TRANSLATE_NOOP("JournalMessages", "Password Changed");
inline constexpr const char* kPasswordRemoved =
    QT_TRANSLATE_NOOP("JournalMessages", "Password Removed");

// A journal that cannot be written opens for reading only, and says so at once.
inline constexpr const char* kReadOnlyFile = QT_TRANSLATE_NOOP(
    "JournalMessages", "This journal file is read-only, so changes to it cannot be saved.");
inline constexpr const char* kReadOnlyFolder = QT_TRANSLATE_NOOP(
    "JournalMessages",
    "The folder that holds this journal cannot be written to, so changes to the journal cannot "
    "be saved.");
inline constexpr const char* kReadOnlyDisk = QT_TRANSLATE_NOOP(
    "JournalMessages",
    "The disk that holds this journal is read-only, so changes to the journal cannot be saved.");
inline constexpr const char* kOpenForReadingOnly = QT_TRANSLATE_NOOP(
    "JournalMessages",
    "\nThe journal is open for reading only: you can read, search, print and export its "
    "entries, but not change them.");
inline constexpr const char* kReadOnlyNeedsUpgrade = QT_TRANSLATE_NOOP(
    "JournalMessages",
    "This journal was made by an older version of Quillbook and has to be brought up to date "
    "as it opens, which cannot be done while it is read-only.\nMake the file and its folder "
    "writable, then open it again.");

// A write aimed at one row found it gone: another program changed the journal meanwhile.
inline constexpr const char* kEntryGone = QT_TRANSLATE_NOOP(
    "JournalMessages",
    "This entry is no longer in the journal: another program has deleted it.\nThe lists now "
    "show the journal as it is.");
inline constexpr const char* kFolderGone = QT_TRANSLATE_NOOP(
    "JournalMessages",
    "This folder is no longer in the journal: another program has deleted it.\nThe folder "
    "list now shows the journal as it is.");
inline constexpr const char* kTopicGone = QT_TRANSLATE_NOOP(
    "JournalMessages",
    "This topic is no longer in the journal: another program has deleted it.\nThe topic list "
    "now shows the journal as it is.");
inline constexpr const char* kDropFolderGone = QT_TRANSLATE_NOOP(
    "JournalMessages",
    "The folder you chose is no longer in the journal: another program has deleted it.\nThe "
    "entry stays where it was.");

// Database failures, each as the cause a person can act on.
inline constexpr const char* kFailReadOnlyFile = QT_TRANSLATE_NOOP(
    "JournalMessages",
    "The journal file is read-only, so the change was not saved.\nMake the file writable and "
    "try again.");
inline constexpr const char* kFailFolderNotWritable = QT_TRANSLATE_NOOP(
    "JournalMessages",
    "The folder that holds the journal cannot be written to, so the change was not saved.\n"
    "Quillbook writes a temporary file beside the journal while it saves; allow writing in "
    "that folder and try again.");
inline constexpr const char* kFailFolderMissing = QT_TRANSLATE_NOOP(
    "JournalMessages",
    "The folder for the journal does not exist.\nChoose a folder that exists, or create it "
    "first.");
inline constexpr const char* kFailDiskFull = QT_TRANSLATE_NOOP(
    "JournalMessages",
    "The disk that holds the journal is full, so the change was not saved.\nMake room on it "
    "and try again.");
inline constexpr const char* kFailBusy = QT_TRANSLATE_NOOP(
    "JournalMessages",
    "Another program holds the journal, so it could not be read or changed.\nClose the other "
    "program or wait for it to finish, then try again.");
// Asked after a short wait while another program holds the journal: Retry waits again.
inline constexpr const char* kHeldByAnother = QT_TRANSLATE_NOOP(
    "JournalMessages",
    "Another program is using this journal, so it cannot be read or changed just now.\nClose "
    "the other program or let it finish, then press Retry. Cancel gives up this step; what you "
    "typed is kept.");
inline constexpr const char* kFailNameTooLong = QT_TRANSLATE_NOOP(
    "JournalMessages",
    "The journal's file name or folder path is too long for the system.\nChoose a shorter "
    "name or a folder nearer the top.");
inline constexpr const char* kFailCannotOpen = QT_TRANSLATE_NOOP(
    "JournalMessages",
    "The journal file could not be opened.\nCheck that it and its folder exist and that you "
    "may read and write them.");
inline constexpr const char* kFailDiskError = QT_TRANSLATE_NOOP(
    "JournalMessages",
    "The journal file could not be read or written: the disk reported an error.\nCheck the "
    "disk (or the network folder) and try again.");
inline constexpr const char* kFailDamaged = QT_TRANSLATE_NOOP(
    "JournalMessages",
    "The journal file is damaged, so it could not be read or changed.\nRestore it from a "
    "backup copy.");
inline constexpr const char* kFailNoMemory = QT_TRANSLATE_NOOP(
    "JournalMessages",
    "There was not enough memory to finish this.\nClose other programs and try again.");
inline constexpr const char* kFailDamagedValue = QT_TRANSLATE_NOOP(
    "JournalMessages",
    "A value stored in the journal is damaged, so it could not be read.\nRestore the journal "
    "from a backup copy.");
inline constexpr const char* kFailOther =
    QT_TRANSLATE_NOOP("JournalMessages", "The journal could not be read or changed.");

// The sentence for a failed database call (SQLite result code, primary or extended) on the
// journal at path; the file and its folder are looked at to tell which of them is at fault.
std::string DatabaseFailure(int code, const std::string& path);

// What opening a journal that cannot be written says; empty for None.
std::string OpenedReadOnly(JournalAccess::ReadOnlyCause cause);

} // namespace JournalMessages
