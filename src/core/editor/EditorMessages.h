#pragma once

#include <QCoreApplication>

#include <cstddef>

// Texts the entry editor shows and writes, in one place. Those shown go through
// QCoreApplication::translate("EditorMessages", ...).
namespace EditorMessages {

inline constexpr const char* kNewEntryId = "{new_entry}";
inline constexpr const char* kNewEntryTitle = QT_TRANSLATE_NOOP("EditorMessages", "New Entry");
inline constexpr const char* kDefaultFontName = "Times New Roman";
inline constexpr int kDefaultFontSize = 12;

inline constexpr const char* kSaveQuestion =
    QT_TRANSLATE_NOOP("EditorMessages", "Do you want to save your recent changes to this entry?");
inline constexpr const char* kEntryGone = QT_TRANSLATE_NOOP(
    "EditorMessages",
    "This entry is no longer in the journal: it was deleted, or changed by another program, "
    "so your changes were not saved.\n\nDo you want to save the text as a new entry?");
// Yes overwrites, No saves as a new entry, Cancel goes back to the editor (the default).
inline constexpr const char* kChangedElsewhere = QT_TRANSLATE_NOOP(
    "EditorMessages",
    "This entry was changed by another program after you opened it, so your changes were not "
    "saved yet.\n\nYes: replace the stored text with yours (the other program's changes are "
    "lost).\nNo: save your text as a new entry and keep the stored one.\nCancel: go back to "
    "the editor.");
inline constexpr const char* kJournalGone = QT_TRANSLATE_NOOP(
    "EditorMessages",
    "The journal this entry belongs to is no longer open, so the entry cannot be saved.");
// Shown while a long entry is read into the editor.
inline constexpr const char* kLoadingLargeEntry =
    QT_TRANSLATE_NOOP("EditorMessages", "Loading large entry...");
inline constexpr const char* kFindNotFound =
    QT_TRANSLATE_NOOP("EditorMessages", "Cannot find \"%1\".");

// Texts at least this long show a placeholder first; shorter ones load faster than it shows.
inline constexpr std::size_t kLargeEntryBytes = 64 * 1024;

} // namespace EditorMessages
