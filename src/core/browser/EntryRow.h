#pragma once

#include "core/platform/COleDateTime.h"

#include <string>

// What a listing shows of one entry: the entry list's rows and the search results.
// Texts are stored bytes; the GUI converts them for display.
struct EntryRow {
    std::string entryId;
    std::string folderId;
    COleDateTime timestamp;
    std::string comment;    // empty when the journal hides derived descriptions
    std::string topics;     // topic names joined by ", "
    std::string folderName; // "(None)" when the folder row is missing
    std::string folderPath; // the folder's names from the top, see ListingNames::FolderPath
};
