// The spelling dialog and the spelling as you type on a small word list; the Hunspell engine,
// the choice of dictionary and the editor's spelling items on tiny dictionaries.
#include "core/spelling/SpellingService.h"
#include "core/spelling/SpellingTexts.h"
#include "gui/editor/CSpellingDlg.h"
#include "gui/editor/CWSpell.h"
#include "gui/editor/EditorSpelling.h"
#include "gui/editor/SpellCheckCommand.h"
#include "gui/editor/SpellContextMenu.h"
#include "gui/editor/SpellHighlighter.h"
#include "gui/editor/SpellingEngine.h"
#include "gui/platform/ControlId.h"
#include "render/RtfDocumentAdapter.h"
#include "support/DialogSteps.h"
#include "support/FakeSpellChecker.h"
#include "support/GuiTest.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSettings>
#include <QStringEncoder>
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

    void run() { checkSpelling(editor, &service, QString(), nullptr); }

    FakeSpellChecker checker;
    SpellingService service;
    QTextEdit editor;
};

// The underlined words of the whole document, as the user sees them.
QStringList underlined(const QTextEdit& editor) {
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

QString shownWord(QWidget* dialog) {
    return findControl<QLineEdit>(dialog, CSpellingDlg::IdChangeTo)->text();
}

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

    QString folder;
};

} // namespace

TEST_F(SpellingDialogTest, EachButtonCorrectsTheTextInPlaceKeepingItsFormatting) {
    load(
        R"({\rtf1\ansi{\fonttbl{\f0 Arial;}}\f0 Teh quick brwn fox. Zo\'eb saw a {\b wr}old, teh end and teh zork.\par Teh last line.})");
    const QString original = editor.toPlainText();
    editor.document()->clearUndoRedoStacks();
    selectText(editor, 0, 3);

    m_modals.then([&](QWidget* dialog) {
        auto* context = findControl<QLabel>(dialog, CSpellingDlg::IdContext);
        auto* list = findControl<QListWidget>(dialog, CSpellingDlg::IdSuggestions);
        // "Teh": its context, the first suggestion proposed, the word selected in the editor
        EXPECT_TRUE(
            context->text().contains(u"<b><font color=\"#c00000\">Teh</font></b> quick brwn"_s));
        EXPECT_EQ(shownWord(dialog), u"The"_s);
        EXPECT_EQ(editor.textCursor().selectedText(), u"Teh"_s);
        clickButton(dialog, u"Change All"_s);
        // "brwn": picking a suggestion puts it in the field
        EXPECT_EQ(editor.textCursor().selectedText(), u"brwn"_s);
        ASSERT_EQ(list->count(), 2);
        list->setCurrentRow(1);
        EXPECT_EQ(shownWord(dialog), u"brown"_s);
        clickButton(dialog, u"Change"_s);
        // "Zoë": no suggestions, the word itself in the field
        EXPECT_EQ(shownWord(dialog), u"Zoë"_s);
        EXPECT_EQ(list->item(0)->text(), spellingtexts::noSuggestions());
        clickButton(dialog, u"Add"_s);
        // one word across two formats
        EXPECT_EQ(editor.textCursor().selectedText(), u"wrold"_s);
        EXPECT_EQ(shownWord(dialog), u"world"_s);
        clickButton(dialog, u"Change"_s);
        EXPECT_EQ(editor.textCursor().selectedText(), u"teh"_s);
        clickButton(dialog, u"Ignore"_s);
        EXPECT_EQ(editor.textCursor().selectedText(), u"teh"_s);
        clickButton(dialog, u"Ignore All"_s);
        // "Teh" on the last line went by Change All; "teh" by Ignore All
        EXPECT_EQ(editor.textCursor().selectedText(), u"zork"_s);
        findControl<QLineEdit>(dialog, CSpellingDlg::IdChangeTo)->setText(u"fork"_s);
        clickButton(dialog, u"Ignore"_s);
    });
    answerMessage(m_modals, u"The spelling check is complete."_s);
    run();

    EXPECT_EQ(editor.toPlainText(),
              u"The quick brown fox. Zoë saw a world, teh end and teh zork.\nThe last line."_s);
    QStringList bold; // "wr" was bold, the correction keeps it so
    for (const richtext::Paragraph& p :
         RtfDocumentAdapter::fromDocument(*editor.document()).paragraphs)
        for (const richtext::Run& run : p.runs)
            if (run.format.bold)
                bold.push_back(run.text);
    EXPECT_EQ(bold, QStringList{u"wor"_s});
    // the caret where the selection began
    EXPECT_FALSE(editor.textCursor().hasSelection());
    EXPECT_EQ(editor.textCursor().position(), 0);

    EXPECT_EQ(PersonalWordList(personalPath()).read(), QStringList{u"Zoë"_s}) << "Add adds";

    // the whole check is one undo step
    editor.document()->undo();
    EXPECT_EQ(editor.toPlainText(), original);
    EXPECT_FALSE(editor.document()->isUndoAvailable());
}

TEST_F(SpellingDialogTest, CancelReturnsSilentlyWithTheCaretFollowingItsPlace) {
    load(R"({\rtf1\ansi Thhe brwn fox and the end})");
    const QString original = editor.toPlainText();
    // from "fox" on: the end, then the beginning, where "Thhe" loses a letter before the caret
    selectText(editor, 10, 13);
    m_modals.then([&](QWidget* dialog) {
        EXPECT_EQ(editor.textCursor().selectedText(), u"Thhe"_s);
        clickButton(dialog, u"Change"_s);
        EXPECT_EQ(editor.textCursor().selectedText(), u"brwn"_s);
        clickButton(dialog, u"Cancel"_s);
    });
    run(); // no message: the driver fails the test on any other dialog
    EXPECT_EQ(editor.toPlainText(), u"The brwn fox and the end"_s);
    EXPECT_FALSE(editor.textCursor().hasSelection());
    EXPECT_EQ(editor.textCursor().position(), 9);
    editor.document()->undo();
    EXPECT_EQ(editor.toPlainText(), original);
}

TEST_F(SpellingDialogTest, NothingMisspeltOrNoDictionaryShowsOnlyAMessage) {
    editor.setPlainText(u"The quick brown fox, https://exmaple.org/xyzzy and mp3s"_s);
    selectText(editor, 4, 9);
    answerMessage(m_modals, u"The spelling check is complete."_s);
    run();
    EXPECT_EQ(m_modals.handled(), 1u);
    EXPECT_FALSE(editor.textCursor().hasSelection());
    EXPECT_EQ(editor.textCursor().position(), 4);
    EXPECT_FALSE(editor.document()->isUndoAvailable());

    m_modals.then([](QWidget* box) {
        EXPECT_TRUE(messageText(box).contains(u"hunspell-en-us"_s))
            << messageText(box).toStdString();
        clickButton(box, u"OK"_s);
    });
    checkSpelling(editor, nullptr, spellingtexts::noDictionary(), nullptr);
    EXPECT_FALSE(editor.document()->isUndoAvailable());
}

TEST_F(SpellingDialogTest, AsYouTypeTheContextMenuOffersSuggestionsIgnoreAllAndAdd) {
    SpellHighlighter highlighter{editor.document()};
    highlighter.setService(&service);
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
    EXPECT_EQ(underlined(editor), (QStringList{u"zork"_s, u"zork"_s}));
    editor.document()->undo();
    EXPECT_EQ(editor.toPlainText(), u"The wrold and zork fixes zork"_s);

    QMenu second;
    ASSERT_TRUE(addSpellingItems(second, editor, 16, service));
    EXPECT_NE(second.findChild<QAction*>(u"spellNoSuggestions"_s), nullptr);
    second.findChild<QAction*>(u"spellIgnoreAll"_s)->trigger();
    EXPECT_EQ(underlined(editor), (QStringList{u"wrold"_s}));

    QMenu third;
    ASSERT_TRUE(addSpellingItems(third, editor, 5, service));
    third.findChild<QAction*>(u"spellAddToDictionary"_s)->trigger();
    EXPECT_TRUE(underlined(editor).isEmpty());
    EXPECT_EQ(PersonalWordList(personalPath()).read(), QStringList{u"wrold"_s});
}

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
    EXPECT_EQ(underlined(editor), QStringList{u"colour"_s}); // under bb_BB

    EXPECT_TRUE(action(&tools, u"spellDictionary_bb_BB"_s)->isChecked());
    trigger(&tools, u"spellDictionary_aa_AA"_s);
    EXPECT_EQ(engine.dictionaryName(), u"aa_AA"_s);
    EXPECT_EQ(underlined(editor), QStringList{u"color"_s});

    // the context menu's items at the caret
    selectText(editor, 24, 24);
    QMenu menu;
    spelling.addContextItems(&menu, QPoint(), true);
    EXPECT_NE(menu.findChild<QAction*>(u"spellIgnoreAll"_s), nullptr);

    QAction* asYouType = tools.findChild<QAction*>(u"spellAsYouType"_s);
    ASSERT_NE(asYouType, nullptr);
    EXPECT_TRUE(asYouType->isChecked());
    asYouType->trigger();
    EXPECT_TRUE(underlined(editor).isEmpty());
    asYouType->trigger();
    EXPECT_EQ(underlined(editor), QStringList{u"color"_s});
    asYouType->trigger();

    SpellingEngine later({folder}, personal);
    EXPECT_EQ(later.dictionaryName(), u"aa_AA"_s);
    EXPECT_FALSE(later.asYouType());

    // A journal's choice is its own: another journal starts from the locale's, and the first
    // one gets its choice back.
    engine.setJournal(u"/journals/one.qbk"_s);
    trigger(&tools, u"spellDictionary_bb_BB"_s);
    engine.setJournal(u"/journals/two.qbk"_s);
    EXPECT_EQ(engine.dictionaryName(), u"aa_AA"_s);
    later.setJournal(u"/journals/one.qbk"_s);
    EXPECT_EQ(later.dictionaryName(), u"bb_BB"_s);

    SpellingEngine none({m_settingsDir.filePath(u"empty"_s)}, personal);
    EXPECT_EQ(none.service(), nullptr);
    EXPECT_EQ(none.unavailableReason(), spellingtexts::noDictionary());
    QMenu noneTools;
    EditorSpelling::addToolsItems(noneTools, none);
    QAction* noneAsYouType = noneTools.findChild<QAction*>(u"spellAsYouType"_s);
    EXPECT_FALSE(noneAsYouType->isChecked());
    EXPECT_FALSE(noneAsYouType->isEnabled());
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
    const auto marked = [](const QTextBlock& block) {
        return !block.layout()->formats().isEmpty();
    };

    editor.setPlainText(u"hello zork\n"_s.repeated(6000));
    settle();
    QTextDocument& text = *editor.document();
    EXPECT_TRUE(marked(text.firstBlock()));
    const QTextBlock last = text.lastBlock().previous();
    EXPECT_FALSE(marked(last)); // far out of sight

    editor.moveCursor(QTextCursor::End);
    editor.ensureCursorVisible();
    settle();
    EXPECT_TRUE(marked(last));

    // A block out of sight that is typed in is checked at once.
    QTextCursor middle(text.findBlockByNumber(4000));
    ASSERT_FALSE(marked(middle.block()));
    middle.insertText(u"hello "_s);
    EXPECT_TRUE(marked(middle.block()));
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
