#pragma once

#include <QCoreApplication>
#include <QString>

#include <string>

// What printing tells the user, and the words it puts on the pages; the constants are shown
// through QCoreApplication::translate("PrintMessages", ...) (Text).
namespace PrintMessages {

// A choice of entries that matches none: said instead of printing an empty job.
inline constexpr const char* kNoEntries =
    QT_TRANSLATE_NOOP("PrintMessages", "No entries to print.");

// The printer or the file printed to failed while the pages were put on it.
inline constexpr const char* kPrintFailed =
    QT_TRANSLATE_NOOP("PrintMessages", "The pages could not be printed.");

// The title of every print dialog that prints entries.
inline constexpr const char* kPrintDialogTitle =
    QT_TRANSLATE_NOOP("PrintMessages", "Print Journal");

// One of the constants above as message boxes take it.
std::string Text(const char* text);

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
