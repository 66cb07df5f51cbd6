#pragma once

#include "core/import/ImportFormat.h"

#include <QString>
#include <string>

// The Import dialog's choices.
struct ImportDialogValues {
    ImportFormat format = ImportFormat::RedNotebook;
    QString source;                  // the folder, or the other journal's file
    std::string folderId = "{Root}"; // where the entries go
    bool topicsFromTags = true;
};
