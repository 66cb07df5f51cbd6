#include "core/export/AutoBackup.h"

#include "core/export/JournalBackup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

constexpr const char* kStampFormat = "yyyy-MM-dd HHmmss";

QString baseName(const QString& journalPath) {
    return QFileInfo(journalPath).completeBaseName();
}

} // namespace

QString AutoBackup::CopyName(const QString& journalPath, const QDateTime& when) {
    return baseName(journalPath) + u' ' + when.toString(QLatin1String(kStampFormat)) +
           QStringLiteral(".qbk");
}

QStringList AutoBackup::ExistingCopies(const QString& folder, const QString& journalPath) {
    // Only names this class makes: the journal's name, a stamp, maybe a counter.
    const QRegularExpression pattern(
        QStringLiteral("^%1 (\\d{4}-\\d\\d-\\d\\d \\d{6})(?: \\((\\d{1,6})\\))?\\.qbk$")
            .arg(QRegularExpression::escape(baseName(journalPath))));
    // Ordered by the stamp, then the counter (a plain name counts as 1).
    std::vector<std::pair<QString, QString>> keyed;
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
        const QRegularExpressionMatch match = pattern.match(name);
        if (!match.hasMatch())
            continue;
        const QString counter =
            match.captured(2).isEmpty() ? QStringLiteral("1") : match.captured(2);
        keyed.emplace_back(match.captured(1) + counter.rightJustified(6, u'0'),
                           QDir(folder).filePath(name));
    }
    std::sort(keyed.begin(), keyed.end());
    QStringList copies;
    for (const auto& [key, path] : keyed)
        copies << path;
    return copies;
}

AutoBackupResult AutoBackup::Run(const AutoBackupSettings& settings, const std::string& journalFile,
                                 const QDateTime& when, const BackupProgress& progress) {
    AutoBackupResult result;
    const QString journalPath = QFile::decodeName(journalFile.c_str()); // for the copy's name
    if (!settings.enabled)
        return result;
    if (settings.folder.isEmpty()) {
        result.message =
            QCoreApplication::translate("AutoBackup", "no folder is chosen for automatic backups");
        return result;
    }
    if (!QDir().mkpath(settings.folder)) {
        result.message = QCoreApplication::translate("AutoBackup", "cannot make the folder %1")
                             .arg(settings.folder);
        return result;
    }
    const QDir folder(settings.folder);
    QString copy = folder.filePath(CopyName(journalPath, when));
    for (int n = 2; QFileInfo::exists(copy); ++n)
        copy = folder.filePath(CopyName(journalPath, when).chopped(4) +
                               QStringLiteral(" (%1).qbk").arg(n));
    const BackupResult backup =
        BackupJournal(journalFile, QFile::encodeName(copy).toStdString(), false, progress);
    if (!backup.ok) {
        if (!backup.cancelled)
            result.message = backup.message;
        return result;
    }
    result.made = true;
    result.copy = copy;
    const QStringList copies = ExistingCopies(settings.folder, journalPath);
    const qsizetype keep = std::max(1, settings.keep);
    for (qsizetype i = 0; i + keep < copies.size(); ++i)
        if (QFile::remove(copies[i]))
            result.removed << copies[i];
    return result;
}
