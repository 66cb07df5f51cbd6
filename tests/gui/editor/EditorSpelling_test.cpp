#include "editor/EditorSpelling.h"
#include "editor/SpellingEngine.h"
#include "support/GuiTest.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QSettings>
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
