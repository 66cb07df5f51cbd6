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
#include <QStringEncoder>
#include <QTextBlock>
#include <QTextEdit>

using namespace Qt::StringLiterals;

namespace {

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

// The Tools items switch the underlining and the dictionary; both choices and the personal
// list are read again by the next engine.
TEST_F(EditorSpellingTest, ToolsItemsSwitchUnderliningAndTheDictionaryAndTheNextStartKeepsThem) {
    QSettings().setValue(u"Settings/Spelling Dictionary"_s, u"bb_BB"_s);
    const QString personal = m_settingsDir.filePath(u"words.txt"_s);
    ASSERT_TRUE(writeFile(personal, "Quillbook\n"));
    SpellingEngine engine({folder}, personal);
    QTextEdit editor;
    editor.setPlainText(u"hello Quillbook colour color"_s);
    EditorSpelling spelling(editor, engine);
    QMenu tools;
    EditorSpelling::addToolsItems(tools, engine);
    EXPECT_EQ(underlinedCount(editor), 1); // "colour" under bb_BB

    QAction* other = tools.findChild<QAction*>(u"spellDictionary_aa_AA"_s);
    ASSERT_NE(other, nullptr);
    EXPECT_TRUE(tools.findChild<QAction*>(u"spellDictionary_bb_BB"_s)->isChecked());
    other->trigger();
    EXPECT_EQ(engine.dictionaryName(), u"aa_AA"_s);
    EXPECT_EQ(QSettings().value(u"Settings/Spelling Dictionary"_s).toString(), u"aa_AA"_s);
    settle();
    // now "color" is the misspelt one
    const auto formats = editor.document()->begin().layout()->formats();
    ASSERT_EQ(formats.size(), 1);
    EXPECT_EQ(editor.toPlainText().mid(formats[0].start, formats[0].length), u"color"_s);

    // the context menu's items at the caret
    QTextCursor caret(editor.document());
    caret.setPosition(24);
    editor.setTextCursor(caret);
    QMenu menu;
    spelling.addContextItems(&menu, QPoint(), true);
    EXPECT_NE(menu.findChild<QAction*>(u"spellIgnoreAll"_s), nullptr);

    QAction* asYouType = tools.findChild<QAction*>(u"spellAsYouType"_s);
    ASSERT_NE(asYouType, nullptr);
    EXPECT_TRUE(asYouType->isChecked());
    asYouType->trigger();
    EXPECT_EQ(underlinedCount(editor), 0);
    asYouType->trigger();
    EXPECT_EQ(underlinedCount(editor), 1);
    asYouType->trigger();

    SpellingEngine later({folder}, personal);
    EXPECT_EQ(later.dictionaryName(), u"aa_AA"_s);
    EXPECT_FALSE(later.asYouType());

    SpellingEngine none({m_settingsDir.filePath(u"empty"_s)}, personal);
    EXPECT_EQ(none.service(), nullptr);
    EXPECT_EQ(none.unavailableReason(), spellingtexts::noDictionary());
    // a dictionary whose words file is empty is reported, naming its package
    writeFile(folder + u"/aa_AA.dic"_s, QByteArray());
    SpellingEngine broken({folder}, personal);
    EXPECT_EQ(broken.service(), nullptr);
    EXPECT_TRUE(broken.unavailableReason().contains(u"hunspell-aa-aa"_s));
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

// A small dictionary stored in ISO 8859-1, as many older dictionaries are.
TEST_F(EditorSpellingTest, WordsGoToTheDictionaryInItsOwnEncoding) {
    QStringEncoder latin1(QStringConverter::Latin1);
    const spelling::Dictionary dictionary{u"de_XX"_s, folder + u"/de_XX.aff"_s,
                                          folder + u"/de_XX.dic"_s};
    writeFile(dictionary.affixPath, latin1(u"SET ISO8859-1\nTRY ßüeasrntolic\n"_s));
    writeFile(dictionary.wordsPath, latin1(u"4\nGrüße\nStraße\nhello\nworld\n"_s));
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
