#include "store/JournalMessages.h"

namespace JournalMessages {

std::string OpenResultMessage(int result) {
    switch (result) {
    case 1:
    case 7:
        return kUnknownError;
    case 2:
        return kMissingFile;
    case 3:
        return kBusy;
    case 4:
    case 6:
        return kNotAJournal;
    case 5:
        return kNewerVersion;
    default:
        return {};
    }
}

} // namespace JournalMessages
