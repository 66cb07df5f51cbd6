#include "core/session/UpdateMessages.h"

#include "core/platform/TextEncoding.h"

#include <QCoreApplication>

namespace UpdateMessages {

namespace {

MessageBoxRequest information(const char* text) {
    return {textToStored(QCoreApplication::translate("UpdateMessages", text)), MessageButtons::Ok,
            MessageIcon::Information};
}

} // namespace

MessageBoxRequest CheckForUpdates() {
    return information(QT_TRANSLATE_NOOP(
        "UpdateMessages", "Quillbook is updated through your system's package manager. To get "
                          "the newest version, check for updates there (for example with the "
                          "Software app, or with \"apt update\" and \"apt upgrade\")."));
}

MessageBoxRequest ConfigureUpdates() {
    return information(QT_TRANSLATE_NOOP(
        "UpdateMessages", "Automatic updates of Quillbook are set up in your system's package "
                          "manager, together with those of your other programs (for example in "
                          "the Software app's update preferences, or with unattended-upgrades)."));
}

} // namespace UpdateMessages
