#include "core/editor/NewEntryTemplate.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

// One key per journal: a digest of its absolute path, as a path holds characters a settings
// key may not.
QString keyFor(const std::string& journalPath) {
    const QString path =
        QFileInfo(QFile::decodeName(QByteArray::fromStdString(journalPath))).absoluteFilePath();
    return QStringLiteral("New Entry Templates/") +
           QString::fromLatin1(
               QCryptographicHash::hash(QFile::encodeName(path), QCryptographicHash::Sha1).toHex());
}

} // namespace

namespace NewEntryTemplate {

std::string textFor(const std::string& journalPath) {
    if (journalPath.empty())
        return {};
    return QSettings().value(keyFor(journalPath)).toByteArray().toStdString();
}

void setFor(const std::string& journalPath, const std::string& storedText) {
    if (journalPath.empty())
        return;
    QSettings settings;
    if (storedText.empty())
        settings.remove(keyFor(journalPath));
    else
        settings.setValue(keyFor(journalPath), QByteArray::fromStdString(storedText));
}

} // namespace NewEntryTemplate
