#include "spelling/DictionaryCatalog.h"
#include "spelling/SpellingTexts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using spelling::chooseDictionary;
using spelling::findDictionaries;

TEST(DictionaryCatalog, ChoosesSavedThenLocaleThenLanguageThenEnglish) {
    const QStringList installed = {u"de_AT"_s, u"de_DE"_s, u"en_GB"_s, u"en_US"_s, u"fr"_s};
    struct {
        const char* saved;
        const char* locale;
        const char* chosen;
    } cases[] = {
        {"en_GB", "de_DE", "en_GB"},  // the user's choice wins while installed
        {"it_IT", "de_DE", "de_DE"},  // a choice since uninstalled falls through
        {"", "de_DE.UTF-8", "de_DE"}, // locale names with encoding and modifier
        {"", "de_AT@euro", "de_AT"},  {"", "de-CH", "de_AT"}, // same language, first installed
        {"", "fr_CA", "fr"},                                  // the language's own dictionary
        {"", "ja_JP", "en_US"},                               // nothing for the language
        {"", "C", "en_US"},           {"", "", "en_US"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(
            chooseDictionary(installed, QString::fromUtf8(c.saved), QString::fromUtf8(c.locale)),
            QString::fromUtf8(c.chosen))
            << c.saved << " / " << c.locale;
    EXPECT_EQ(chooseDictionary({u"pl_PL"_s, u"sv_SE"_s}, {}, QStringLiteral("ja_JP")),
              QStringLiteral("pl_PL"));
    EXPECT_EQ(chooseDictionary({}, QStringLiteral("en_US"), QStringLiteral("en_US")), QString());
}

TEST(DictionaryCatalog, FindsPairsOfFilesFirstFolderWinning) {
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a"));
    const QString b = dir.filePath(QStringLiteral("b"));
    QDir().mkpath(a);
    QDir().mkpath(b);
    const auto touch = [](const QString& path) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    };
    touch(a + QStringLiteral("/en_US.aff"));
    touch(a + QStringLiteral("/en_US.dic"));
    touch(a + QStringLiteral("/de_DE.aff")); // no .dic: not a dictionary
    touch(b + QStringLiteral("/en_US.aff"));
    touch(b + QStringLiteral("/en_US.dic"));
    touch(b + QStringLiteral("/da_DK.aff"));
    touch(b + QStringLiteral("/da_DK.dic"));
    touch(b + QStringLiteral("/hyph_da_DK.dic")); // a hyphenation pattern, no .aff

    const auto found = findDictionaries({a, dir.filePath(QStringLiteral("missing")), b});
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].name, QStringLiteral("da_DK"));
    EXPECT_EQ(found[1].name, QStringLiteral("en_US"));
    EXPECT_EQ(found[1].affixPath, a + QStringLiteral("/en_US.aff"));
    EXPECT_EQ(found[1].wordsPath, a + QStringLiteral("/en_US.dic"));
}

TEST(DictionaryCatalog, MissingDictionaryNamesThePackage) {
    EXPECT_TRUE(spellingtexts::noDictionary().contains(QStringLiteral("hunspell-en-us")));
    EXPECT_EQ(spellingtexts::packageFor(QStringLiteral("de_DE")), QStringLiteral("hunspell-de-de"));
}
