#pragma once

// Texts the browser panes show, exactly as the journal's users know them.
namespace BrowserMessages {

inline constexpr const char* kNoJournalOpen = "No Journal Open";
inline constexpr const char* kNewFolderName = "New Folder";
inline constexpr const char* kConfirmFolderMove = "Do you really want to move the folder?";
inline constexpr const char* kConfirmEntryMove =
    "Do you really want to move the entry to a new folder?";
inline constexpr const char* kConfirmEntryDelete = "Do you really want to delete this entry?";
inline constexpr const char* kLoadingEntries = "Loading...";
inline constexpr const char* kConfirmTopicDelete =
    "Are you sure you want to delete this topic from the journal?";

// What the preview shows with no entry selected, and while a large entry is read in.
inline constexpr const char* kNoEntryRtf =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}{\\colortbl "
    ";\\red0\\green0\\blue0;}{\\*\\generator Msftedit "
    "5.41.15.1503;}\\viewkind4\\uc1\\pard\\cf0\\lang1033\\f0\\fs20\\par\\pard\\qc No entry is "
    "selected.\\par}";
inline constexpr const char* kLargeEntryRtf =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}{\\colortbl "
    ";\\red0\\green0\\blue0;}{\\*\\generator Msftedit "
    "5.41.15.1503;}\\viewkind4\\uc1\\pard\\cf0\\lang1033\\f0\\fs20\\par\\pard\\qc Loading large "
    "entry...\\par}";

} // namespace BrowserMessages
