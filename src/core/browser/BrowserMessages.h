#pragma once

#include <QCoreApplication>

#include <string>

// Texts the browser panes show, exactly as the journal's users know them. Each is shown
// through QCoreApplication::translate("BrowserMessages", ...).
namespace BrowserMessages {

inline constexpr const char* kNoJournalOpen =
    QT_TRANSLATE_NOOP("BrowserMessages", "No Journal Open");
// Stored as the new folder's name, so it stays as it is in every language.
inline constexpr const char* kNewFolderName = "New Folder";
inline constexpr const char* kConfirmFolderMove =
    QT_TRANSLATE_NOOP("BrowserMessages", "Do you really want to move the folder?");
inline constexpr const char* kConfirmEntryMove =
    QT_TRANSLATE_NOOP("BrowserMessages", "Do you really want to move the entry to a new folder?");
inline constexpr const char* kConfirmEntryDelete =
    QT_TRANSLATE_NOOP("BrowserMessages", "Do you really want to delete this entry?");
inline constexpr const char* kLoadingEntries = QT_TRANSLATE_NOOP("BrowserMessages", "Loading...");
inline constexpr const char* kConfirmTopicDelete = QT_TRANSLATE_NOOP(
    "BrowserMessages", "Are you sure you want to delete this topic from the journal?");
inline constexpr const char* kNoEntrySelected =
    QT_TRANSLATE_NOOP("BrowserMessages", "No entry is selected.");
inline constexpr const char* kLoadingLargeEntry =
    QT_TRANSLATE_NOOP("BrowserMessages", "Loading large entry...");

// One of the texts above, translated, as message boxes take it.
std::string Text(const char* text);

// What the preview shows with no entry selected, and while a large entry is read in.
std::string NoEntryRtf();
std::string LargeEntryRtf();

} // namespace BrowserMessages
