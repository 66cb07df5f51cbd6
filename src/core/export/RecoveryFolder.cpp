#include "core/export/RecoveryFolder.h"

#include "core/export/OutputRule.h"
#include "core/export/SafeFile.h"
#include "core/protect/Md5.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>

namespace {

constexpr auto kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner;
const QString kSuffix = QStringLiteral(".qbkr");

QString hexDigest(const std::string& text) {
    const Md5::Digest digest = Md5::of(text);
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(digest.data()), qsizetype(digest.size())).toHex());
}

} // namespace

RecoveryFolder::RecoveryFolder() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    // XDG base directories: a relative path there is to be ignored.
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    m_path = state + QStringLiteral("/Quillbook/recovery");
}

QString RecoveryFolder::journalPrefix(const std::string& journal) const {
    return hexDigest(journal) + u'-';
}

QString RecoveryFolder::fileFor(const std::string& journal, const std::string& entryId) const {
    const QString entry = entryId.empty() ? QStringLiteral("new") : hexDigest(entryId);
    return m_path + u'/' + journalPrefix(journal) + entry + kSuffix;
}

QString RecoveryFolder::write(const RecoveryCopy& copy, const BlowfishEngine& keyed) const {
    if (!QDir().mkpath(m_path) || !QFile::setPermissions(m_path, kOwnerOnly | QFile::ExeOwner))
        return QCoreApplication::translate("Recovery", "cannot make the folder %1").arg(m_path);
    // The journal itself is never a target, whatever name reaches it.
    const OutputRule rule({QFile::decodeName(copy.journal.c_str())}, true);
    SafeFile file(fileFor(copy.journal, copy.entryId), rule);
    if (!file.open())
        return file.message();
    // Before a byte is written: the text is the user's alone even while the file is made.
    if (!QFile::setPermissions(file.temporaryPath(), kOwnerOnly))
        return QCoreApplication::translate("Recovery", "cannot protect %1").arg(file.target());
    const QByteArray sealed = copy.seal(keyed);
    if (file.device().write(sealed) != sealed.size()) {
        file.abandon();
        return file.message();
    }
    return file.commit() ? QString() : file.message();
}

std::vector<RecoveryCopy> RecoveryFolder::copiesOf(const std::string& journal,
                                                   const BlowfishEngine& keyed) const {
    std::vector<RecoveryCopy> copies;
    const QDir folder(m_path);
    const QStringList names =
        folder.entryList({journalPrefix(journal) + u'*' + kSuffix}, QDir::Files | QDir::NoSymLinks);
    for (const QString& name : names) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        if (std::optional<RecoveryCopy> copy = RecoveryCopy::unseal(file.readAll(), keyed, journal))
            copies.push_back(std::move(*copy));
    }
    std::sort(copies.begin(), copies.end(),
              [](const RecoveryCopy& a, const RecoveryCopy& b) { return a.made < b.made; });
    return copies;
}

bool RecoveryFolder::remove(const std::string& journal, const std::string& entryId) const {
    QFile file(fileFor(journal, entryId));
    return !file.exists() || file.remove();
}
