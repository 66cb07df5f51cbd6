#pragma once

#include "core/export/EntryPages.h"
#include "core/export/ExportWriter.h"
#include "core/print/EntryChoice.h"
#include "core/store/SkippedEntry.h"

#include <QString>
#include <QStringList>
#include <functional>

class JournalReader;

struct ExportRequest {
    EntryChoice choice;
    ExportFormat format = ExportFormat::Html;
    QString outPath;            // the file; with split, the folder the files go in
    bool split = false;         // one file per entry, named by its date and time
    bool overwrite = false;     // replace files that exist
    bool embedPictures = false; // Markdown: pictures as data URLs, not files beside it
    QString title;              // heading of the document
    QString journalPath;        // the journal's own file: never written, whatever overwrite says
};

// What lays out the format the core cannot write itself (PDF); without it PDF is refused.
struct ExportMakers {
    EntryPagesMaker pdf;
};

// Told after each entry; returning false cancels the export.
using ExportProgress = std::function<bool(std::size_t done, std::size_t total)>;

struct ExportResult {
    enum class Status { Done, Cancelled, Failed };
    Status status = Status::Done;
    QString message; // why it failed
    std::size_t entries = 0;
    QStringList files;     // the files written
    ReadProblems problems; // entries left out because they could not be read
};

// Writes the chosen entries in the choice's order (ChosenEntryRows). A file appears only complete
// and on disk: each is written under a temporary name, and none (documents, pictures beside them)
// is renamed before all are complete; a cancelled or failed export leaves no file it made; a split
// into a folder that does not exist yet fills a temporary folder that gets the name at the end.
// Entries that cannot be read are left out and listed in the result. Reads the journal only.
ExportResult RunExport(const JournalReader& journal, const ExportRequest& request,
                       const ExportMakers& makers = {}, const ExportProgress& progress = {});

// The file name of an entry exported on its own: its date and time ("2004-07-05 14-30"),
// or its id without braces when its time stamp does not parse.
QString SplitFileStem(const std::string& timeStamp, const std::string& entryId);
