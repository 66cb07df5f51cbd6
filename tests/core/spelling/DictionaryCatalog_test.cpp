#include "core/spelling/DictionaryCatalog.h"
#include "core/spelling/SpellingTexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <tuple>

using namespace Qt::StringLiterals;

using spelling::chooseDictionary;
using spelling::findDictionaries;

TEST(DictionaryCatalog, ChoosesSavedThenLocaleThenLanguageThenEnglish) {
    const QStringList installed = {u"de_AT"_s, u"de_DE"_s, u"en_GB"_s, u"en_US"_s, u"fr"_s};
    const std::tuple<const char*, const char*, const char*> cases[] = {
        // saved, locale: chosen
        {"en_GB", "de_DE", "en_GB"},  // the user's choice wins while installed
        {"it_IT", "de_DE", "de_DE"},  // a choice since uninstalled falls through
        {"", "de_DE.UTF-8", "de_DE"}, // locale names with encoding and modifier
        {"", "de_AT@euro", "de_AT"},  {"", "de-CH", "de_AT"}, // same language, first installed
        {"", "fr_CA", "fr"},                                  // the language's own dictionary
        {"", "ja_JP", "en_US"},                               // nothing for the language
        {"", "C", "en_US"},           {"", "", "en_US"},
    };
    for (const auto& [saved, locale, chosen] : cases)
        EXPECT_EQ(chooseDictionary(installed, QString::fromUtf8(saved), QString::fromUtf8(locale)),
                  QString::fromUtf8(chosen))
            << saved << " / " << locale;
    EXPECT_EQ(chooseDictionary({u"pl_PL"_s, u"sv_SE"_s}, {}, QStringLiteral("ja_JP")),
              QStringLiteral("pl_PL"));
    EXPECT_EQ(chooseDictionary({}, QStringLiteral("en_US"), QStringLiteral("en_US")), QString());
}

TEST(DictionaryCatalog, FindsPairsOfFilesFirstFolderWinning) {
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a")), b = dir.filePath(QStringLiteral("b"));
    // de_DE has no .dic, hyph_da_DK no .aff (a hyphenation pattern): neither is a dictionary.
    for (const char* name : {"a/en_US.aff", "a/en_US.dic", "a/de_DE.aff", "b/en_US.aff",
                             "b/en_US.dic", "b/da_DK.aff", "b/da_DK.dic", "b/hyph_da_DK.dic"}) {
        QDir().mkpath(QFileInfo(dir.filePath(QLatin1String(name))).path());
        ASSERT_TRUE(QFile(dir.filePath(QLatin1String(name))).open(QIODevice::WriteOnly)) << name;
    }

    const auto found = findDictionaries({a, dir.filePath(QStringLiteral("missing")), b});
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].name, QStringLiteral("da_DK"));
    EXPECT_EQ(found[1].name, QStringLiteral("en_US"));
    EXPECT_EQ(found[1].affixPath, a + QStringLiteral("/en_US.aff"));
    EXPECT_EQ(found[1].wordsPath, a + QStringLiteral("/en_US.dic"));
}

TEST(DictionaryCatalog, TellsWhenTheLanguageHasNoDictionaryNamingThePackage) {
    const QStringList english = {u"en_GB"_s, u"en_US"_s};
    const std::tuple<QStringList, const char*, bool> cases[] = {
        // installed, locale: the user is told
        {english, "de_DE.UTF-8", true}, {english, "en_AU", false},   // a region of the language
        {{u"de"_s}, "de_CH", false},    {english, "C.UTF-8", false}, // C names no language
        {english, "POSIX", false},      {{}, "de_DE", false}, // nothing at all: said elsewhere
    };
    for (const auto& [installed, locale, told] : cases)
        EXPECT_EQ(spelling::lacksLanguageDictionary(installed, QString::fromUtf8(locale)), told)
            << locale;
    const QString notice = spellingtexts::missingLanguageDictionary(u"de_DE.UTF-8"_s, u"en_US"_s);
    for (const char* part : {"German", "(de_DE)", "en_US", "hunspell-de-de"})
        EXPECT_TRUE(notice.contains(QString::fromUtf8(part))) << part;
}

// Each journal's choice has its own key; a path's slashes never make settings groups.
TEST(DictionaryCatalog, JournalChoicesHaveTheirOwnKeys) {
    const QString a = spellingtexts::journalDictionaryKey(u"/home/me/a.qbk"_s);
    EXPECT_NE(a, spellingtexts::journalDictionaryKey(u"/home/me/b.qbk"_s));
    EXPECT_EQ(a.count(u'/'), 1);
}

TEST(DictionaryCatalog, PackageNameFollowsTheDictionary) {
    EXPECT_EQ(spellingtexts::packageFor(QStringLiteral("de_DE")), QStringLiteral("hunspell-de-de"));
}
