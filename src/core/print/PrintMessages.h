#pragma once

// What printing tells the user.
namespace PrintMessages {

// A choice of entries that matches none: said instead of printing an empty job.
inline constexpr const char* kNoEntries = "No entries to print.";

// The printer or the file printed to failed while the pages were put on it.
inline constexpr const char* kPrintFailed = "The pages could not be printed.";

// The title of every print dialog that prints entries.
inline constexpr const char* kPrintDialogTitle = "Print Journal";

} // namespace PrintMessages
