#include "core/spelling/SpellingTexts.h"

#include "core/spelling/DictionaryCatalog.h"

#include <QCoreApplication>
#include <QLocale>
#include <QUrl>

namespace spellingtexts {

QString checkComplete() {
    return QCoreApplication::translate("Spelling", "The spelling check is complete.");
}

QString noDictionary() {
    return QCoreApplication::translate(
        "Spelling", "Spelling cannot be checked: no Hunspell dictionary is installed.\n\n"
                    "Install the package hunspell-en-us (or the hunspell package of your language, "
                    "for example hunspell-de-de) and try again.");
}

QString missingLanguageDictionary(const QString& locale, const QString& used) {
    const QString wanted = spelling::localeDictionaryName(locale);
    return QCoreApplication::translate(
               "Spelling", "No spelling dictionary for %1 (%2) is installed, so spelling is "
                           "checked against the %3 dictionary.\n\nInstall the package %4 to "
                           "check spelling in %1.")
        .arg(QLocale::languageToString(QLocale(wanted).language()), wanted, used,
             packageFor(wanted));
}

QString dictionaryUnreadable(const QString& name, const QString& affixPath) {
    return QCoreApplication::translate(
               "Spelling", "Spelling cannot be checked: the %1 dictionary (%2) cannot be read.\n\n"
                           "Reinstall the package %3, or choose another dictionary in the Tools "
                           "menu.")
        .arg(name, affixPath, packageFor(name));
}

QString personalListRefused(const QString& word) {
    return QCoreApplication::translate("Spelling", "\"%1\" cannot be added to the dictionary.")
        .arg(word);
}

QString personalListUnwritable(const QString& path, const QString& reason) {
    return QCoreApplication::translate("Spelling",
                                       "The word cannot be added to your word list %1: %2.")
        .arg(path, reason);
}

QString dialogTitle() {
    return QCoreApplication::translate("Spelling", "Check Spelling");
}
QString notInDictionary() {
    return QCoreApplication::translate("Spelling", "Not in dictionary:");
}
QString changeTo() {
    return QCoreApplication::translate("Spelling", "Change &to:");
}
QString suggestionsLabel() {
    return QCoreApplication::translate("Spelling", "&Suggestions:");
}
QString noSuggestions() {
    return QCoreApplication::translate("Spelling", "(no suggestions)");
}
QString ignore() {
    return QCoreApplication::translate("Spelling", "&Ignore");
}
QString ignoreAll() {
    return QCoreApplication::translate("Spelling", "I&gnore All");
}
QString change() {
    return QCoreApplication::translate("Spelling", "&Change");
}
QString changeAll() {
    return QCoreApplication::translate("Spelling", "Change A&ll");
}
QString add() {
    return QCoreApplication::translate("Spelling", "&Add");
}
QString cancel() {
    return QCoreApplication::translate("Spelling", "Cancel");
}
QString addToDictionary() {
    return QCoreApplication::translate("Spelling", "Add to Dictionary");
}
QString spellAsYouType() {
    return QCoreApplication::translate("Spelling", "Check Spelling as You &Type");
}
QString dictionaryMenu() {
    return QCoreApplication::translate("Spelling", "Spelling &Dictionary");
}

QString packageFor(const QString& dictionaryName) {
    QString lower = dictionaryName.toLower();
    lower.replace(u'_', u'-');
    return QStringLiteral("hunspell-") + lower;
}

QString settingsGroup() {
    return QStringLiteral("Settings");
}
QString asYouTypeKey() {
    return QStringLiteral("Spell As You Type");
}
QString dictionaryKey() {
    return QStringLiteral("Spelling Dictionary");
}
QString journalDictionaryKey(const QString& journalPath) {
    // Settings keys take no slashes; the whole path stays readable in the file.
    return QStringLiteral("Journal Dictionaries/") +
           QString::fromLatin1(QUrl::toPercentEncoding(journalPath));
}
QString missingToldKey() {
    return QStringLiteral("Missing Dictionary Told");
}

} // namespace spellingtexts
