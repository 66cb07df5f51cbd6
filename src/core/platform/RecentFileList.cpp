#include "core/platform/RecentFileList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>

namespace {

const QString kSection = QStringLiteral("Recent File List");

QString keyFor(std::size_t index) {
    return QStringLiteral("File%1").arg(index + 1);
}

std::string absoluteClean(const std::string& path) {
    const QString name = QFile::decodeName(QByteArray::fromStdString(path));
    return QFile::encodeName(QDir::cleanPath(QFileInfo(name).absoluteFilePath())).toStdString();
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
    std::string text = "&" + std::to_string(index + 1) + " ";
    for (const char c : path(index)) {
        text += c;
        if (c == '&') {
            text += '&';
        }
    }
    return text;
}

void RecentFileList::load(QSettings& settings) {
    m_paths.clear();
    settings.beginGroup(kSection);
    for (std::size_t i = 0; i < m_maxSize; ++i) {
        const std::string value =
            QFile::encodeName(settings.value(keyFor(i)).toString()).toStdString();
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
        settings.setValue(keyFor(i), QFile::decodeName(QByteArray::fromStdString(m_paths[i])));
    }
    settings.endGroup();
}
