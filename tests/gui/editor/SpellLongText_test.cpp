#include "editor/EditorSpelling.h"
#include "editor/SpellingEngine.h"
#include "support/GuiTest.h"

#include <QDir>
#include <QTextBlock>
#include <QTextEdit>

using namespace Qt::StringLiterals;

namespace {

class SpellLongTextTest : public GuiTest {};

bool underlined(const QTextBlock& block) {
    return !block.layout()->formats().isEmpty();
}

// A long text is checked at once only as far as the first screens go; what the user scrolls
// to is checked when it shows, and typing checks where it types.
TEST_F(SpellLongTextTest, BlocksAreCheckedWhenTheyShow) {
    const QString folder = m_settingsDir.filePath(u"dicts"_s);
    QDir().mkpath(folder);
    writeFile(folder + u"/aa_AA.aff"_s, "SET UTF-8\n");
    writeFile(folder + u"/aa_AA.dic"_s, "1\nhello\n");
    SpellingEngine engine({folder}, m_settingsDir.filePath(u"words.txt"_s));
    QTextEdit editor;
    editor.resize(400, 300);
    editor.show();
    EditorSpelling spelling(editor, engine);

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

} // namespace
