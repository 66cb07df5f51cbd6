#pragma once

#include <cstddef>

// Texts the entry editor shows and writes, in one place.
namespace EditorMessages {

inline constexpr const char* kNewEntryId = "{new_entry}";
inline constexpr const char* kNewEntryTitle = "New Entry";
inline constexpr const char* kDefaultFontName = "Times New Roman";
inline constexpr int kDefaultFontSize = 12;

inline constexpr const char* kSaveQuestion =
    "Do you want to save your recent changes to this entry?";
inline constexpr const char* kEntryGone =
    "This entry is no longer in the journal: it was deleted, or changed by another program, "
    "so your changes were not saved.\n\nDo you want to save the text as a new entry?";
// Yes overwrites, No saves as a new entry, Cancel goes back to the editor (the default).
inline constexpr const char* kChangedElsewhere =
    "This entry was changed by another program after you opened it, so your changes were not "
    "saved yet.\n\nYes: replace the stored text with yours (the other program's changes are "
    "lost).\nNo: save your text as a new entry and keep the stored one.\nCancel: go back to "
    "the editor.";
inline constexpr const char* kJournalGone =
    "The journal this entry belongs to is no longer open, so the entry cannot be saved.";
inline constexpr const char* kFindNotFound = "Cannot find \"%1\".";

// Shown while a long entry is read into the editor.
inline constexpr const char* kLargeEntryPlaceholder =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}{\\colortbl "
    ";\\red0\\green0\\blue0;}{\\*\\generator Msftedit "
    "5.41.15.1503;}\\viewkind4\\uc1\\pard\\cf1\\lang1033\\f0\\fs20\\par\\pard\\qc Loading large "
    "entry...\\par}";
// Texts at least this long show the placeholder first; shorter ones load faster than it shows.
inline constexpr std::size_t kLargeEntryBytes = 64 * 1024;

} // namespace EditorMessages
