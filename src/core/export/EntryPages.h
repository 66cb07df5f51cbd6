#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <string_view>

class QIODevice;

// Entries laid out on pages as the program prints them. The core has no page layout; the
// desktop library's print job does this, and is handed in where a PDF is to be written.
class EntryPages {
public:
    virtual ~EntryPages() = default;
    // Prints one entry's stored text (RTF or plain) from a new page, under its date and time.
    // False when the output failed.
    virtual bool printEntry(std::string_view storedText, const QString& when) = 0;
    // Ends the document; false when the output failed.
    virtual bool finish() = 0;
};

// Starts a document of pages written to out, titled as given.
using EntryPagesMaker =
    std::function<std::unique_ptr<EntryPages>(QIODevice& out, const QString& title)>;
