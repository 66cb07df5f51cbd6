#include "core/platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace Translations {

namespace {

bool installFrom(QCoreApplication& app, const QLocale& locale, const QString& name,
                 const QStringList& folders) {
    for (const QString& folder : folders) {
        auto translator = std::make_unique<QTranslator>(&app);
        if (translator->load(locale, name, QStringLiteral("_"), folder) &&
            QCoreApplication::installTranslator(translator.get())) {
            translator.release(); // owned by app from here on
            return true;
        }
    }
    return false;
}

} // namespace

QStringList programFolders() {
    const QDir beside(QCoreApplication::applicationDirPath());
    return {beside.path(), beside.filePath(QStringLiteral("../share/quillbook/translations"))};
}

int install(QCoreApplication& app, const QLocale& locale, const QStringList& folders) {
    const QStringList qtFolders{QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    return int(installFrom(app, locale, QStringLiteral("qtbase"), qtFolders)) +
           int(installFrom(app, locale, QStringLiteral("quillbook"), folders));
}

} // namespace Translations
