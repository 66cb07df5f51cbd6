#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The Hunspell dictionaries installed, and which one spelling uses.
namespace spelling {

struct Dictionary {
    QString name;      // "en_US"
    QString affixPath; // .../en_US.aff
    QString wordsPath; // .../en_US.dic

    friend bool operator==(const Dictionary&, const Dictionary&) = default;
};

// The folders searched, first wins for a name: $DICPATH's folders, then the system's.
QStringList dictionaryFolders();

// Every dictionary with both its files in the folders, sorted by name, each name once.
std::vector<Dictionary> findDictionaries(const QStringList& folders);

// The dictionary to use: the one chosen before if still installed, else the one of the
// user's locale ("de_DE", "de_DE.UTF-8", "de"), else another of the same language, else
// en_US, else the first there is. Empty when none is installed.
QString chooseDictionary(const QStringList& installed, const QString& saved, const QString& locale);

// The dictionary name a locale asks for ("de_DE.UTF-8@euro" and "de-DE": "de_DE"); empty for
// the C and POSIX locales, which name no language.
QString localeDictionaryName(const QString& locale);

// True when dictionaries are installed but none of the locale's language: spelling then
// checks against another language, and the user is told what to install.
bool lacksLanguageDictionary(const QStringList& installed, const QString& locale);

} // namespace spelling
