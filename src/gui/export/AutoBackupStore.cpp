#include "gui/export/AutoBackupStore.h"

#include <QSettings>

namespace AutoBackupStore {

AutoBackupSettings load() {
    QSettings settings;
    settings.beginGroup(QStringLiteral("Settings"));
    AutoBackupSettings values;
    values.enabled = settings.value(QStringLiteral("AutoBackup"), false).toBool();
    values.folder = settings.value(QStringLiteral("AutoBackupFolder")).toString();
    values.keep =
        settings.value(QStringLiteral("AutoBackupKeep"), AutoBackupSettings::kDefaultKeep).toInt();
    return values;
}

void save(const AutoBackupSettings& values) {
    QSettings settings;
    settings.beginGroup(QStringLiteral("Settings"));
    settings.setValue(QStringLiteral("AutoBackup"), values.enabled);
    settings.setValue(QStringLiteral("AutoBackupFolder"), values.folder);
    settings.setValue(QStringLiteral("AutoBackupKeep"), values.keep);
}

} // namespace AutoBackupStore
