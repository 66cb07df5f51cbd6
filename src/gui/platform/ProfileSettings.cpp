#include "platform/ProfileSettings.h"

#include <QCoreApplication>
#include <QSettings>

namespace {
QString showWelcomeKey() {
    return QStringLiteral("Settings/Show Welcome Dialog");
}
} // namespace

void ProfileSettings::useProgramIdentity() {
    QCoreApplication::setOrganizationName(organisation());
    QCoreApplication::setApplicationName(application());
}

int ProfileSettings::showWelcomeDialog() {
    QSettings settings;
    bool ok = false;
    const int value = settings.value(showWelcomeKey(), 1).toInt(&ok);
    // A value that is not a number is read as 0, as the profile reader does.
    return ok ? value : 0;
}

void ProfileSettings::setShowWelcomeDialog(int value) {
    QSettings settings;
    settings.setValue(showWelcomeKey(), value);
    settings.sync();
}
