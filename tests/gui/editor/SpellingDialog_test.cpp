// The spelling dialog and the spelling as you type, on a small word list.
#include "editor/CSpellingDlg.h"
#include "editor/SpellCheckCommand.h"
#include "editor/SpellContextMenu.h"
#include "editor/SpellHighlighter.h"
#include "platform/ControlId.h"
#include "platform/RtfDocumentAdapter.h"
#include "spelling/SpellingService.h"
#include "spelling/SpellingTexts.h"
#include "support/FakeSpellChecker.h"
#include "support/GuiTest.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

using namespace Qt::StringLiterals;

namespace {

class SpellingDialogTest : public GuiTest {
protected:
    SpellingDialogTest()
        : checker({u"The"_s, u"the"_s, u"quick"_s, u"brown"_s, u"fox"_s, u"saw"_s, u"a"_s,
                   u"world"_s, u"end"_s, u"and"_s, u"last"_s, u"line"_s, u"fixes"_s},
                  {{u"Teh"_s, {u"The"_s}},
                   {u"brwn"_s, {u"brawn"_s, u"brown"_s}},
                   {u"wrold"_s, {u"world"_s, u"wold"_s}},
                   {u"Thhe"_s, {u"The"_s}}}),
          service(checker, PersonalWordList(personalPath())) {}

    QString personalPath() const { return m_settingsDir.filePath(u"data/personal-words.txt"_s); }

    void load(const char* rtf) { RtfDocumentAdapter::setEntryText(*editor.document(), rtf); }

    void select(int from, int to) {
        QTextCursor cursor(editor.document());
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        editor.setTextCursor(cursor);
    }

    void run() { checkSpelling(editor, &service, QString(), nullptr); }

    // The positions of the bold characters of a document.
    static QList<int> boldAt(const QTextDocument& document) {
        QList<int> bold;
        QTextCursor cursor(const_cast<QTextDocument*>(&document));
        for (int i = 1; i < document.characterCount(); ++i) {
            cursor.setPosition(i);
            if (cursor.charFormat().fontWeight() >= QFont::Bold &&
                !document.characterAt(i - 1).isSpace())
                bold.push_back(i - 1);
        }
        return bold;
    }

    FakeSpellChecker checker;
    SpellingService service;
    QTextEdit editor;
};

class SpellAsYouTypeTest : public SpellingDialogTest {
protected:
    SpellAsYouTypeTest() { highlighter.setService(&service); }

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

    SpellHighlighter highlighter{editor.document()};
};

QString shownWord(QWidget* dialog) {
    return findControl<QLineEdit>(dialog, CSpellingDlg::IdChangeTo)->text();
}

void press(QWidget* dialog, int id) {
    auto* button = findControl<QPushButton>(dialog, id);
    ASSERT_NE(button, nullptr) << id;
    button->click();
}

void expectCompleteMessage(ModalDriver& modals) {
    modals.then([](QWidget* box) {
        EXPECT_EQ(messageText(box), u"The spelling check is complete."_s);
        clickButton(box, u"OK"_s);
    });
}

} // namespace

TEST_F(SpellingDialogTest, EachButtonCorrectsTheTextInPlaceKeepingItsFormatting) {
    load(
        R"({\rtf1\ansi{\fonttbl{\f0 Arial;}}\f0 Teh quick brwn fox. Zo\'eb saw a {\b wr}old, teh end and teh zork.\par Teh last line.})");
    const QString original = editor.toPlainText();
    editor.document()->clearUndoRedoStacks();
    select(0, 3);

    m_modals.then([&](QWidget* dialog) {
        auto* context = findControl<QLabel>(dialog, CSpellingDlg::IdContext);
        auto* list = findControl<QListWidget>(dialog, CSpellingDlg::IdSuggestions);
        // "Teh": its context, the first suggestion proposed, the word selected in the editor
        EXPECT_TRUE(
            context->text().contains(u"<b><font color=\"#c00000\">Teh</font></b> quick brwn"_s));
        EXPECT_EQ(shownWord(dialog), u"The"_s);
        EXPECT_EQ(editor.textCursor().selectedText(), u"Teh"_s);
        press(dialog, CSpellingDlg::IdChangeAll);
        // "brwn": picking a suggestion puts it in the field
        EXPECT_EQ(editor.textCursor().selectedText(), u"brwn"_s);
        ASSERT_EQ(list->count(), 2);
        list->setCurrentRow(1);
        EXPECT_EQ(shownWord(dialog), u"brown"_s);
        press(dialog, CSpellingDlg::IdChange);
        // "Zoë": no suggestions, the word itself in the field
        EXPECT_EQ(shownWord(dialog), u"Zoë"_s);
        EXPECT_EQ(list->item(0)->text(), spellingtexts::noSuggestions());
        press(dialog, CSpellingDlg::IdAdd);
        // one word across two formats
        EXPECT_EQ(editor.textCursor().selectedText(), u"wrold"_s);
        EXPECT_EQ(shownWord(dialog), u"world"_s);
        press(dialog, CSpellingDlg::IdChange);
        EXPECT_EQ(editor.textCursor().selectedText(), u"teh"_s);
        press(dialog, CSpellingDlg::IdIgnore);
        EXPECT_EQ(editor.textCursor().selectedText(), u"teh"_s);
        press(dialog, CSpellingDlg::IdIgnoreAll);
        // "Teh" on the last line went by Change All; "teh" by Ignore All
        EXPECT_EQ(editor.textCursor().selectedText(), u"zork"_s);
        findControl<QLineEdit>(dialog, CSpellingDlg::IdChangeTo)->setText(u"fork"_s);
        press(dialog, CSpellingDlg::IdIgnore);
    });
    expectCompleteMessage(m_modals);
    run();

    const QString corrected =
        u"The quick brown fox. Zoë saw a world, teh end and teh zork.\nThe last line."_s;
    EXPECT_EQ(editor.toPlainText(), corrected);
    const int w = static_cast<int>(corrected.indexOf(u"world"));
    EXPECT_EQ(boldAt(*editor.document()), (QList<int>{w, w + 1, w + 2}));
    // the caret where the selection began
    EXPECT_FALSE(editor.textCursor().hasSelection());
    EXPECT_EQ(editor.textCursor().position(), 0);

    // the added word is in the personal list, as UTF-8
    QFile list(personalPath());
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_EQ(list.readAll(), u"Zoë\n"_s.toUtf8());

    // the whole check is one undo step
    editor.document()->undo();
    EXPECT_EQ(editor.toPlainText(), original);
    EXPECT_FALSE(editor.document()->isUndoAvailable());
}

TEST_F(SpellingDialogTest, CancelReturnsSilentlyWithTheCaretFollowingItsPlace) {
    load(R"({\rtf1\ansi Thhe brwn fox and the end})");
    const QString original = editor.toPlainText();
    // from "fox" on: the end, then the beginning, where "Thhe" loses a letter before the caret
    select(10, 13);
    m_modals.then([&](QWidget* dialog) {
        EXPECT_EQ(editor.textCursor().selectedText(), u"Thhe"_s);
        press(dialog, CSpellingDlg::IdChange);
        EXPECT_EQ(editor.textCursor().selectedText(), u"brwn"_s);
        press(dialog, CSpellingDlg::IdCancel);
    });
    run(); // no message: the driver fails the test on any other dialog
    EXPECT_EQ(editor.toPlainText(), u"The brwn fox and the end"_s);
    EXPECT_FALSE(editor.textCursor().hasSelection());
    EXPECT_EQ(editor.textCursor().position(), 9);
    editor.document()->undo();
    EXPECT_EQ(editor.toPlainText(), original);
}

TEST_F(SpellingDialogTest, NothingMisspeltShowsOnlyTheCompletionMessage) {
    editor.setPlainText(u"The quick brown fox, https://exmaple.org/xyzzy and mp3s"_s);
    select(4, 9);
    expectCompleteMessage(m_modals);
    run();
    EXPECT_EQ(m_modals.handled(), 1u);
    EXPECT_FALSE(editor.textCursor().hasSelection());
    EXPECT_EQ(editor.textCursor().position(), 4);
    EXPECT_FALSE(editor.document()->isUndoAvailable());
}

TEST_F(SpellingDialogTest, WithoutADictionaryItSaysWhatToInstall) {
    editor.setPlainText(u"Teh text"_s);
    m_modals.then([](QWidget* box) {
        EXPECT_TRUE(messageText(box).contains(u"hunspell-en-us"_s))
            << messageText(box).toStdString();
        clickButton(box, u"OK"_s);
    });
    checkSpelling(editor, nullptr, spellingtexts::noDictionary(), nullptr);
    EXPECT_EQ(editor.toPlainText(), u"Teh text"_s);
}

TEST_F(SpellAsYouTypeTest, ContextMenuOffersSuggestionsIgnoreAllAndAdd) {
    load(R"({\rtf1\ansi The {\b wr}old and zork fixes zork})");
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
    EXPECT_EQ(PersonalWordList(personalPath()).read(), QStringList{u"wrold"_s});
}
