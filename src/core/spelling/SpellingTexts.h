#pragma once

#include <QString>

// What spelling says to the user, and the setting names it keeps.
namespace spellingtexts {

// After a check that went through the whole text.
QString checkComplete();

// Check Spelling with no dictionary to check against.
QString noDictionary();
// Said once when no dictionary of the user's language is installed and another one is used.
QString missingLanguageDictionary(const QString& locale, const QString& used);
// A dictionary that is installed but that the engine cannot read.
QString dictionaryUnreadable(const QString& name, const QString& affixPath);

QString personalListRefused(const QString& word);
QString personalListUnwritable(const QString& path, const QString& reason);

// Dialog and menu texts.
QString dialogTitle();
QString notInDictionary();
QString changeTo();
QString suggestionsLabel();
QString noSuggestions();
QString ignore();
QString ignoreAll();
QString change();
QString changeAll();
QString add();
QString cancel();
QString addToDictionary();
QString spellAsYouType();
QString dictionaryMenu();

// The Debian package that brings a dictionary for the language, e.g. "hunspell-de-de".
QString packageFor(const QString& dictionaryName);

// "Settings" values in the profile.
QString settingsGroup();
QString asYouTypeKey();
QString dictionaryKey();
// The dictionary chosen for one journal, on this computer only (never in the journal).
QString journalDictionaryKey(const QString& journalPath);
// The language whose missing dictionary the user was told about.
QString missingToldKey();

} // namespace spellingtexts
