#pragma once

#include <QString>

// What printing tells the user, and the words it puts on the pages.
namespace PrintMessages {

// A choice of entries that matches none: said instead of printing an empty job.
inline constexpr const char* kNoEntries = "No entries to print.";

// The printer or the file printed to failed while the pages were put on it.
inline constexpr const char* kPrintFailed = "The pages could not be printed.";

// The title of every print dialog that prints entries.
inline constexpr const char* kPrintDialogTitle = "Print Journal";

// The progress dialog of a print written to a file on a worker: its title and its label.
QString ProgressTitle();
QString ProgressLabel();

// The header of an entry's pages after its first.
QString ContinuedHeader(const QString& when);
// The number in a page's footer: "Page N of M", or "Page N" while the count is not known.
QString PageNumber(int page, int pageCount);
// An entry's comment, printed under its date.
QString CommentLine(const QString& comment);

} // namespace PrintMessages
