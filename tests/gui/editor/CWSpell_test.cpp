#include "editor/CWSpell.h"
#include "editor/SpellingEngine.h"
#include "spelling/SpellingService.h"
#include "spelling/SpellingTexts.h"
#include "support/GuiTest.h"

#include <QDir>
#include <QSettings>
#include <QSignalSpy>
#include <QStringEncoder>

using namespace Qt::StringLiterals;

namespace {

// A small dictionary stored in ISO 8859-1, as many older dictionaries are.
spelling::Dictionary writeLatin1Dictionary(const QString& folder, const QString& name) {
    QDir().mkpath(folder);
    const QString affix = folder + u'/' + name + u".aff"_s;
    const QString words = folder + u'/' + name + u".dic"_s;
    QStringEncoder latin1(QStringConverter::Latin1);
    writeFile(affix, latin1(u"SET ISO8859-1\nTRY ßüeasrntolic\n"_s));
    writeFile(words, latin1(u"4\nGrüße\nStraße\nhello\nworld\n"_s));
    return {name, affix, words};
}

class HunspellTest : public GuiTest {};

} // namespace

TEST_F(HunspellTest, WordsGoToTheDictionaryInItsOwnEncoding) {
    const auto dictionary = writeLatin1Dictionary(m_settingsDir.filePath(u"dicts"_s), u"de_XX"_s);
    auto spell = CWSpell::open(dictionary);
    ASSERT_TRUE(spell);
    EXPECT_EQ(spell->encoding(), u"ISO8859-1"_s);
    EXPECT_TRUE(spell->isCorrect(u"Grüße"_s));
    EXPECT_TRUE(spell->isCorrect(u"Straße"_s));
    EXPECT_FALSE(spell->isCorrect(u"Grüsse"_s));
    // a word the dictionary's character set cannot hold is simply unknown
    EXPECT_FALSE(spell->isCorrect(u"Grüße€"_s));
    EXPECT_TRUE(spell->suggestions(u"€uro"_s).isEmpty());
    EXPECT_TRUE(spell->suggestions(u"Grüe"_s).contains(u"Grüße"_s));
    spell->addWord(u"Kölsch"_s);
    EXPECT_TRUE(spell->isCorrect(u"Kölsch"_s));

    // files that cannot be read give no engine rather than one that knows nothing
    EXPECT_FALSE(
        CWSpell::open({u"none"_s, u"/nonexistent/none.aff"_s, u"/nonexistent/none.dic"_s}));
}

TEST_F(HunspellTest, TheInstalledEnglishDictionary) {
    const auto installed = spelling::findDictionaries(spelling::dictionaryFolders());
    const auto english = std::find_if(installed.begin(), installed.end(),
                                      [](const auto& d) { return d.name == u"en_US"_s; });
    if (english == installed.end())
        GTEST_SKIP() << "no en_US Hunspell dictionary installed (package hunspell-en-us)";
    auto spell = CWSpell::open(*english);
    ASSERT_TRUE(spell);
    for (const QString& right :
         {u"receive"_s, u"don't"_s, u"it's"_s, u"it’s"_s, u"journal"_s, u"The"_s})
        EXPECT_TRUE(spell->isCorrect(right)) << right.toStdString();
    for (const QString& wrong : {u"recieve"_s, u"teh"_s, u"jounral"_s})
        EXPECT_FALSE(spell->isCorrect(wrong)) << wrong.toStdString();
    EXPECT_TRUE(spell->suggestions(u"recieve"_s).contains(u"receive"_s));
}

TEST_F(HunspellTest, EngineChoosesRemembersAndSaysWhenItCannot) {
    const QString folder = m_settingsDir.filePath(u"dicts"_s);
    writeLatin1Dictionary(folder, u"de_XX"_s);
    writeLatin1Dictionary(folder, u"xx_YY"_s);
    const QString personal = m_settingsDir.filePath(u"data/personal-words.txt"_s);
    QDir().mkpath(m_settingsDir.filePath(u"data"_s));
    ASSERT_TRUE(writeFile(personal, "Quillbook\n"));
    {
        SpellingEngine engine({folder}, personal);
        EXPECT_EQ(engine.dictionaries(), (QStringList{u"de_XX"_s, u"xx_YY"_s}));
        ASSERT_NE(engine.service(), nullptr);
        // the personal list is read at start
        EXPECT_FALSE(engine.service()->isMisspelt(u"Quillbook"_s));
        QSignalSpy switched(&engine, &SpellingEngine::serviceChanged);
        engine.setDictionary(u"xx_YY"_s);
        EXPECT_EQ(switched.count(), 1);
        EXPECT_TRUE(engine.asYouType()); // on unless switched off
        engine.setAsYouType(false);
    }
    SpellingEngine later({folder}, personal);
    EXPECT_EQ(later.dictionaryName(), u"xx_YY"_s);
    EXPECT_FALSE(later.asYouType());
    EXPECT_EQ(QSettings().value(u"Settings/Spelling Dictionary"_s).toString(), u"xx_YY"_s);

    SpellingEngine none({m_settingsDir.filePath(u"empty"_s)}, personal);
    EXPECT_EQ(none.service(), nullptr);
    EXPECT_EQ(none.unavailableReason(), spellingtexts::noDictionary());

    // a dictionary whose words file is empty is reported, naming its package
    writeFile(folder + u"/xx_YY.dic"_s, QByteArray());
    SpellingEngine broken({folder}, personal);
    EXPECT_EQ(broken.service(), nullptr);
    EXPECT_TRUE(broken.unavailableReason().contains(u"hunspell-xx-yy"_s));
}
