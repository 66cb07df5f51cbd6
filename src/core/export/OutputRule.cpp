#include "core/export/OutputRule.h"

#include <QFile>

#include <QCoreApplication>
#include <sys/stat.h>

OutputRule::OutputRule(const std::vector<QString>& journals, bool replace) : m_replace(replace) {
    for (const QString& journal : journals) {
        struct stat info {};
        if (::stat(QFile::encodeName(journal).constData(), &info) == 0)
            m_journals.emplace_back(info.st_dev, info.st_ino);
    }
}

QString OutputRule::refusal(const QString& path) const {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) == 0) {
        for (const auto& [device, inode] : m_journals) {
            if (info.st_dev == device && info.st_ino == inode)
                return QCoreApplication::translate("OutputRule", "%1 is the journal itself")
                    .arg(path);
        }
    } else if (::lstat(name.constData(), &info) != 0) {
        return {}; // nothing there, not even a dangling link
    }
    return m_replace ? QString()
                     : QCoreApplication::translate("OutputRule", "%1 already exists").arg(path);
}
