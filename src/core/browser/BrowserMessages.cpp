#include "core/browser/BrowserMessages.h"

#include "core/richtext/NoteRtf.h"

namespace BrowserMessages {

std::string Text(const char* text) {
    return QCoreApplication::translate("BrowserMessages", text).toStdString();
}

std::string NoEntryRtf() {
    return richtext::NoteRtf(QCoreApplication::translate("BrowserMessages", kNoEntrySelected), 0);
}

std::string LargeEntryRtf() {
    return richtext::NoteRtf(QCoreApplication::translate("BrowserMessages", kLoadingLargeEntry), 0);
}

} // namespace BrowserMessages
