#include "core/platform/DocumentsFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

std::optional<std::string> documentsFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        return std::nullopt;
    }
    return QFile::encodeName(folder).toStdString();
}
