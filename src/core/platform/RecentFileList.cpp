#include "core/platform/RecentFileList.h"

#include <QFile>
#include <QSettings>
#include <QVariant>

#include <algorithm>
#include <filesystem>

namespace {

const QString kSection = QStringLiteral("Recent File List");

QString keyFor(std::size_t index) {
    return QStringLiteral("File%1").arg(index + 1);
}

// On the path's bytes: a folder name that is not valid UTF-8 would not survive a QString.
std::string absoluteClean(const std::string& path) {
    std::error_code failed;
    const std::filesystem::path full = std::filesystem::absolute(path, failed);
    return (failed ? std::filesystem::path(path) : full).lexically_normal().string();
}

// A path that text carries unchanged is kept as text (what the Windows program writes);
// any other is kept as its bytes.
QVariant settingsValue(const std::string& path) {
    const QByteArray bytes = QByteArray::fromStdString(path);
    const QString text = QFile::decodeName(bytes);
    return QFile::encodeName(text) == bytes ? QVariant(text) : QVariant(bytes);
}

std::string pathFromSettings(const QVariant& value) {
    if (value.typeId() == QMetaType::QByteArray)
        return value.toByteArray().toStdString();
    return QFile::encodeName(value.toString()).toStdString();
}

} // namespace

RecentFileList::RecentFileList(std::size_t maxSize) : m_maxSize(maxSize) {}

void RecentFileList::add(const std::string& path) {
    if (path.empty() || m_maxSize == 0) {
        return;
    }
    const std::string full = absoluteClean(path);
    std::erase(m_paths, full);
    m_paths.insert(m_paths.begin(), full);
    if (m_paths.size() > m_maxSize) {
        m_paths.resize(m_maxSize);
    }
}

void RecentFileList::remove(std::size_t index) {
    if (index < m_paths.size()) {
        m_paths.erase(m_paths.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

std::string RecentFileList::path(std::size_t index) const {
    return index < m_paths.size() ? m_paths[index] : std::string();
}

std::string RecentFileList::menuText(std::size_t index) const {
    // Menu texts are UTF-8; the path is shown as the file system names it.
    QString name = QFile::decodeName(QByteArray::fromStdString(path(index)));
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return (QStringLiteral("&%1 ").arg(index + 1) + name).toUtf8().toStdString();
}

void RecentFileList::load(QSettings& settings) {
    m_paths.clear();
    settings.beginGroup(kSection);
    for (std::size_t i = 0; i < m_maxSize; ++i) {
        const std::string value = pathFromSettings(settings.value(keyFor(i)));
        if (!value.empty() && std::ranges::find(m_paths, value) == m_paths.end()) {
            m_paths.push_back(value);
        }
    }
    settings.endGroup();
}

void RecentFileList::save(QSettings& settings) const {
    settings.beginGroup(kSection);
    settings.remove(QString());
    for (std::size_t i = 0; i < m_paths.size(); ++i) {
        settings.setValue(keyFor(i), settingsValue(m_paths[i]));
    }
    settings.endGroup();
}
