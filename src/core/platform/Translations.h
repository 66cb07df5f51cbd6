#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

// Puts the application's texts into the user's language (LANG/LC_* through QLocale::system()):
// Qt's own (its file, print and colour dialogs) and the program's. A language without a
// translation leaves everything in English, silently.
namespace Translations {

// Where the program's .qm files are looked for: beside the executable (the build tree) and in
// the installed share/quillbook/translations.
QStringList programFolders();

// Installs both translators on app; returns how many were found. They live as long as app.
int install(QCoreApplication& app, const QLocale& locale = QLocale::system(),
            const QStringList& folders = programFolders());

} // namespace Translations
