// The Hunspell engine, the choice of dictionary, and the editor's spelling items and underlining.
#include "editor/CWSpell.h"
#include "editor/EditorSpelling.h"
#include "editor/SpellingEngine.h"
#include "spelling/SpellingService.h"
#include "spelling/SpellingTexts.h"
#include "support/GuiTest.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QSettings>
#include <QSignalSpy>
#include <QStringEncoder>
#include <QTextBlock>
#include <QTextEdit>

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

class EditorSpellingTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        folder = m_settingsDir.filePath(u"dicts"_s);
        QDir().mkpath(folder);
        // two tiny dictionaries that disagree about one word
        writeFile(folder + u"/aa_AA.aff"_s, "SET UTF-8\n");
        writeFile(folder + u"/aa_AA.dic"_s, "2\nhello\ncolour\n");
        writeFile(folder + u"/bb_BB.aff"_s, "SET UTF-8\n");
        writeFile(folder + u"/bb_BB.dic"_s, "2\nhello\ncolor\n");
    }

    static int underlinedCount(QTextEdit& editor) {
        settle();
        int count = 0;
        for (QTextBlock block = editor.document()->begin(); block.isValid(); block = block.next())
            count += static_cast<int>(block.layout()->formats().size());
        return count;
    }

    QString folder;
};

} // namespace

TEST_F(EditorSpellingTest, ToolsItemsSwitchUnderliningAndTheDictionary) {
    QSettings().setValue(u"Settings/Spelling Dictionary"_s, u"aa_AA"_s);
    SpellingEngine engine({folder}, m_settingsDir.filePath(u"words.txt"_s));
    QTextEdit editor;
    editor.setPlainText(u"hello colour color"_s);
    EditorSpelling spelling(editor, engine);
    QMenu tools;
    EditorSpelling::addToolsItems(tools, engine);

    EXPECT_EQ(underlinedCount(editor), 1); // "color" under aa_AA

    QAction* asYouType = tools.findChild<QAction*>(u"spellAsYouType"_s);
    ASSERT_NE(asYouType, nullptr);
    EXPECT_TRUE(asYouType->isChecked());
    asYouType->trigger();
    EXPECT_EQ(underlinedCount(editor), 0);
    EXPECT_EQ(QSettings().value(u"Settings/Spell As You Type"_s).toInt(), 0);
    asYouType->trigger();
    EXPECT_EQ(underlinedCount(editor), 1);

    QAction* other = tools.findChild<QAction*>(u"spellDictionary_bb_BB"_s);
    ASSERT_NE(other, nullptr);
    EXPECT_TRUE(tools.findChild<QAction*>(u"spellDictionary_aa_AA"_s)->isChecked());
    other->trigger();
    EXPECT_EQ(engine.dictionaryName(), u"bb_BB"_s);
    EXPECT_EQ(QSettings().value(u"Settings/Spelling Dictionary"_s).toString(), u"bb_BB"_s);
    settle();
    // now "colour" is the misspelt one
    const auto formats = editor.document()->begin().layout()->formats();
    ASSERT_EQ(formats.size(), 1);
    EXPECT_EQ(editor.toPlainText().mid(formats[0].start, formats[0].length), u"colour"_s);

    // the context menu's items at the caret
    QTextCursor caret(editor.document());
    caret.setPosition(8);
    editor.setTextCursor(caret);
    QMenu menu;
    spelling.addContextItems(&menu, QPoint(), true);
    EXPECT_NE(menu.findChild<QAction*>(u"spellIgnoreAll"_s), nullptr);
}

// A long text is checked at once only as far as the first screens go; what the user scrolls
// to is checked when it shows, and typing checks where it types.
TEST_F(EditorSpellingTest, LongTextBlocksAreCheckedWhenTheyShow) {
    SpellingEngine engine({folder}, m_settingsDir.filePath(u"words.txt"_s));
    QTextEdit editor;
    editor.resize(400, 300);
    editor.show();
    EditorSpelling spelling(editor, engine);
    const auto underlined = [](const QTextBlock& block) {
        return !block.layout()->formats().isEmpty();
    };

    editor.setPlainText(u"hello zork\n"_s.repeated(6000));
    settle();
    QTextDocument& text = *editor.document();
    EXPECT_TRUE(underlined(text.firstBlock()));
    const QTextBlock last = text.lastBlock().previous();
    EXPECT_FALSE(underlined(last)); // far out of sight

    editor.moveCursor(QTextCursor::End);
    editor.ensureCursorVisible();
    settle();
    EXPECT_TRUE(underlined(last));

    // A block out of sight that is typed in is checked at once.
    QTextCursor middle(text.findBlockByNumber(4000));
    ASSERT_FALSE(underlined(middle.block()));
    middle.insertText(u"hello "_s);
    EXPECT_TRUE(underlined(middle.block()));
}

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
