#include "gui/platform/ExternalPrograms.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

QString ExternalPrograms::supportPageUrl() {
    return QStringLiteral("https://www.orrinvale.com/quillbook/support");
}

QString ExternalPrograms::webSiteUrl() {
    return QStringLiteral("https://www.orrinvale.com/");
}

QString ExternalPrograms::supportMailAddress() {
    return QStringLiteral("support@orrinvale.com");
}

void ExternalPrograms::openSupportPage() {
    QDesktopServices::openUrl(QUrl(supportPageUrl()));
}

QString ExternalPrograms::updaterPath() {
    const QString path =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("updater"));
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable() ? path : QString();
}

bool ExternalPrograms::startUpdater(const QStringList& arguments) {
    const QString path = updaterPath();
    if (path.isEmpty())
        return false;
    return QProcess::startDetached(path, arguments, QCoreApplication::applicationDirPath());
}
