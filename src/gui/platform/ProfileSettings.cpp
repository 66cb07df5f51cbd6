#include "gui/platform/ProfileSettings.h"

#include <QCoreApplication>
#include <QSettings>

namespace {
QString showWelcomeKey() {
    return QStringLiteral("Settings/Show Welcome Dialog");
}
QString geometryKey() {
    return QStringLiteral("Window/Geometry");
}
QString panesKey() {
    return QStringLiteral("Window/Panes");
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

QByteArray ProfileSettings::windowGeometry() {
    return QSettings().value(geometryKey()).toByteArray();
}

QByteArray ProfileSettings::paneLayout() {
    return QSettings().value(panesKey()).toByteArray();
}

void ProfileSettings::setWindowLayout(const QByteArray& geometry, const QByteArray& panes) {
    QSettings settings;
    settings.setValue(geometryKey(), geometry);
    settings.setValue(panesKey(), panes);
    settings.sync();
}
