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
QString entryListKey() {
    return QStringLiteral("Window/Entry List");
}
QString statusBarKey() {
    return QStringLiteral("Window/Status Bar");
}
QString openLastKey() {
    return QStringLiteral("Settings/Open Last Journal");
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

QByteArray ProfileSettings::entryListColumns() {
    return QSettings().value(entryListKey()).toByteArray();
}

void ProfileSettings::setEntryListColumns(const QByteArray& columns) {
    QSettings().setValue(entryListKey(), columns);
}

bool ProfileSettings::statusBarShown() {
    return QSettings().value(statusBarKey(), true).toBool();
}

void ProfileSettings::setStatusBarShown(bool shown) {
    QSettings().setValue(statusBarKey(), shown);
}

bool ProfileSettings::openLastJournal() {
    return QSettings().value(openLastKey(), false).toBool();
}

void ProfileSettings::setOpenLastJournal(bool on) {
    QSettings settings;
    settings.setValue(openLastKey(), on);
    settings.sync();
}
