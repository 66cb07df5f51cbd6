#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

// One entry as a source gives it, ready to be written into a journal.
struct ImportedEntry {
    std::string id;        // an id to keep (another journal's entry); empty: a new one
    std::string timeStamp; // stored form, "%Y-%m-%d %H:%M"
    QString comment;       // the user's comment; empty: described by its text
    QStringList folder;    // folder names from the target folder down; empty: the target
    QStringList topics;
    std::string rtf;
    QString source; // the file or entry it came from, for messages
};

// Something a source or the import could not take, and why.
struct ImportProblem {
    QString source;
    QString message;
    bool entryKept = false; // a note on an entry that was imported all the same
    friend bool operator==(const ImportProblem&, const ImportProblem&) = default;
};

// Takes what a source reads as it reads it, one entry at a time, so that no import holds all
// of its entries at once.
class ImportSink {
public:
    virtual ~ImportSink() = default;
    // False stops the source (the journal could not take it).
    virtual bool take(ImportedEntry&& entry) = 0;
    virtual void note(ImportProblem problem) = 0;
};

// Told as the work goes on; returning false cancels it. A total of 0 is not known yet.
using ImportProgress = std::function<bool(std::size_t done, std::size_t total)>;

// What every source is read with.
struct ImportOptions {
    QString fontFace; // the journal's default font
    int halfPoints = 24;
    bool topicsFromTags = false; // tags and categories become topics
};
