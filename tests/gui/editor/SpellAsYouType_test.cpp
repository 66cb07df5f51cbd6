#include "editor/SpellContextMenu.h"
#include "editor/SpellHighlighter.h"
#include "platform/RtfDocumentAdapter.h"
#include "spelling/SpellingService.h"
#include "support/FakeSpellChecker.h"
#include "support/GuiTest.h"

#include <QAction>
#include <QMenu>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

using namespace Qt::StringLiterals;

namespace {

class SpellAsYouTypeTest : public GuiTest {
protected:
    SpellAsYouTypeTest()
        : checker({u"The"_s, u"world"_s, u"turns"_s, u"and"_s, u"fixes"_s},
                  {{u"wrold"_s, {u"world"_s, u"wold"_s}}}),
          service(checker, PersonalWordList(m_settingsDir.filePath(u"words.txt"_s))),
          highlighter(editor.document()) {
        highlighter.setService(&service);
    }

    // The underlined words of the whole document, as the user sees them.
    QStringList underlined() {
        settle();
        QStringList words;
        for (QTextBlock block = editor.document()->begin(); block.isValid(); block = block.next()) {
            for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
                if (range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
                    words.push_back(block.text().mid(range.start, range.length));
            }
        }
        return words;
    }

    void placeCaret(int position) {
        QTextCursor cursor = editor.textCursor();
        cursor.setPosition(position);
        editor.setTextCursor(cursor);
    }

    FakeSpellChecker checker;
    SpellingService service;
    QTextEdit editor;
    SpellHighlighter highlighter;
};

} // namespace

TEST_F(SpellAsYouTypeTest, UnderlineComesAndGoesAsWordsAreTypedAndCorrected) {
    editor.setPlainText(u"The wrold turns\nand zork"_s);
    EXPECT_EQ(underlined(), (QStringList{u"wrold"_s, u"zork"_s}));

    // the user types the correction: "wrold" -> "world"
    editor.setFocus();
    placeCaret(5);
    QTest::keyClick(&editor, Qt::Key_Delete);
    placeCaret(6);
    QTest::keyClicks(&editor, u"r"_s);
    EXPECT_EQ(editor.toPlainText(), u"The world turns\nand zork"_s);
    EXPECT_EQ(underlined(), (QStringList{u"zork"_s}));

    // a new misspelt word typed at the end
    editor.moveCursor(QTextCursor::End);
    QTest::keyClicks(&editor, u" blorb"_s);
    EXPECT_EQ(underlined(), (QStringList{u"zork"_s, u"blorb"_s}));

    // the underline is drawn, not stored
    EXPECT_FALSE(QString::fromStdString(RtfDocumentAdapter::entryRtf(*editor.document()))
                     .contains(u"\\ul"_s));
}

TEST_F(SpellAsYouTypeTest, ContextMenuOffersSuggestionsIgnoreAllAndAdd) {
    RtfDocumentAdapter::setEntryText(*editor.document(),
                                     R"({\rtf1\ansi The {\b wr}old and zork fixes zork})");
    QMenu menu;
    menu.addAction(u"Cut"_s);

    // a correct word adds nothing
    EXPECT_FALSE(addSpellingItems(menu, editor, 1, service));
    EXPECT_EQ(menu.actions().size(), 1);

    // just after the misspelt word still counts as on it
    ASSERT_TRUE(addSpellingItems(menu, editor, 9, service));
    QStringList texts;
    for (QAction* item : menu.actions())
        texts.push_back(item->isSeparator() ? u"-"_s : item->text().remove(u'&'));
    EXPECT_EQ(texts, (QStringList{u"world"_s, u"wold"_s, u"-"_s, u"Ignore All"_s,
                                  u"Add to Dictionary"_s, u"-"_s, u"Cut"_s}));

    menu.findChild<QAction*>(u"spellSuggestion0"_s)->trigger();
    EXPECT_EQ(editor.toPlainText(), u"The world and zork fixes zork"_s);
    QTextCursor cursor(editor.document());
    cursor.setPosition(6); // after "wo": kept bold
    EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);
    cursor.setPosition(9); // after "world": "ld" kept plain
    EXPECT_NE(cursor.charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(underlined(), (QStringList{u"zork"_s, u"zork"_s}));
    editor.document()->undo();
    EXPECT_EQ(editor.toPlainText(), u"The wrold and zork fixes zork"_s);

    QMenu second;
    ASSERT_TRUE(addSpellingItems(second, editor, 16, service));
    EXPECT_NE(second.findChild<QAction*>(u"spellNoSuggestions"_s), nullptr);
    second.findChild<QAction*>(u"spellIgnoreAll"_s)->trigger();
    EXPECT_EQ(underlined(), (QStringList{u"wrold"_s}));

    QMenu third;
    ASSERT_TRUE(addSpellingItems(third, editor, 5, service));
    third.findChild<QAction*>(u"spellAddToDictionary"_s)->trigger();
    EXPECT_TRUE(underlined().isEmpty());
    EXPECT_EQ(PersonalWordList(m_settingsDir.filePath(u"words.txt"_s)).read(),
              QStringList{u"wrold"_s});
}
