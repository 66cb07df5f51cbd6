#include "core/session/NewJournalPath.h"

#include "core/platform/TextEncoding.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::string_view kDefaultFileName = "New Journal.qbk";

QString fromPath(std::string_view path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::string toPath(const QString& text) {
    return QFile::encodeName(text).toStdString();
}

} // namespace

void proposeInitialPath(NewJournalValues& values, const std::string& folder) {
    values.m_fileName = std::string(kDefaultFileName);
    values.m_path = folder.ends_with('/') ? folder : folder + '/';
    values.m_path += values.m_fileName;
}

void proposeFileName(NewJournalValues& values) {
    if (!values.m_path.ends_with(kDefaultFileName)) {
        return;
    }
    // Only the trailing name goes: a folder that happens to bear the default name stays.
    values.m_path.resize(values.m_path.size() - kDefaultFileName.size());
    if (!values.m_title.empty()) {
        QString name = storedToText(values.m_title);
        name.replace(QLatin1Char('/'), QLatin1Char('_'));
        values.m_fileName = toPath(name + QStringLiteral(".qbk"));
    }
    values.m_path += values.m_fileName;
}

std::string shortenPath(std::string_view path, std::size_t limit) {
    const std::u32string chars = fromPath(path).toStdU32String();
    if (chars.size() <= limit) {
        return std::string(path);
    }
    std::u32string tail = chars.substr(chars.size() - (limit > 5 ? limit - 5 : 0));
    if (const auto slash = tail.find(U'/'); slash != std::u32string::npos) {
        tail.erase(0, slash);
    }
    return toPath(QString::fromStdU32String(chars.substr(0, 3) + U" .." + tail));
}

bool somethingExistsAt(const std::string& path) {
    const QFileInfo info(fromPath(path));
    return info.exists() || info.isSymLink();
}

std::string alreadyExistsMessage(const std::string& path) {
    return shortenPath(path, 95) + " already exists.";
}

std::optional<std::string> createFileExclusively(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0) {
        const int error = errno;
        if (error == EEXIST)
            return alreadyExistsMessage(path);
        return shortenPath(path, 95) + "\nThe journal cannot be created: " + std::strerror(error);
    }
    ::close(fd);
    return std::nullopt;
}
