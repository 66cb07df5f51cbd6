#pragma once

#include "core/richtext/RichDocument.h"

#include <QString>
#include <string>

// One entry as an export shows it: its heading values and its formatted text; for a print,
// its date and time and the text as stored (RTF or plain), the rest left empty.
struct ExportedEntry {
    std::string id;
    std::string timeStamp; // as stored, "%Y-%m-%d %H:%M"
    QString when;          // date and time as the journal displays them
    QString comment;       // the comment the user typed; empty for a derived description
    QString folder;        // folder name, empty for an entry at the top of the journal
    QString topics;        // topic names joined by ", "
    richtext::RichDocument text;
    std::string storedText;
};
