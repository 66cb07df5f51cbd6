// The entry editor in the running application: opening, typing, formatting, saving, the
// save question at each way of closing, and what reaches the file; no formatting is lost by
// editing a golden RTF sample or an entry of the sample journal.
#include "core/editor/EditorMessages.h"
#include "core/platform/CommandIds.h"
#include "core/richtext/ModelDump.h"
#include "core/richtext/RtfReader.h"
#include "core/session/CQBKDoc.h"
#include "core/session/SampleJournal.h"
#include "core/spelling/SpellingTexts.h"
#include "core/store/StoredText.h"
#include "gui/app/CMainFrame.h"
#include "gui/editor/CEntryFrame.h"
#include "gui/editor/CEntryView.h"
#include "gui/editor/CFormatBar.h"
#include "gui/editor/EntryEditorTemplate.h"
#include "gui/editor/FindReplaceDialog.h"
#include "gui/editor/SpellingEngine.h"
#include "gui/platform/CommandActions.h"
#include "support/AppTest.h"
#include "support/DialogSteps.h"
#include "support/QbkProcess.h"
#include "support/RawSqlite.h"
#include "support/TestJournal.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QToolBar>

#include <filesystem>
#include <memory>

namespace fs = std::filesystem;
using namespace richtext;

namespace {

// The running application on a journal made for the test, with the entry editor at hand and
// the stored entries read back through plain SQLite and the program's own decoder.
class EntryEditor : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(startWithoutWelcome());
        ASSERT_EQ(session().OpenJournal(journal.path()), CQBKDoc::OpenResult::Ok);
        settle();
    }
    CQBKDoc& session() const { return m_app->Document(); }
    bool editorOpen() const { return m_app->Editor()->Frame() != nullptr; }
    // The open editor window; fails the test when there is none.
    CEntryFrame& editor() const {
        if (!editorOpen())
            throw std::runtime_error("no entry editor is open");
        return *m_app->Editor()->Frame();
    }
    CEntryView& view() const { return editor().View(); }

    // An entry added with plain SQL, then opened in the editor as the entry list opens it.
    void openStored(const std::string& rtf, const std::string& id = "{E-1}") {
        journal.addEntry(id, "2024-03-05 08:30", "{Root}", "", false, rtf);
        session().OpenEntry(id);
        activateEditor();
    }
    // The stored RTF of an entry, deciphered from the file's bytes.
    std::string storedRtf(const std::string& id) const {
        const std::string sql = "SELECT EntryText FROM Entry WHERE EntryID = '" + id + "'";
        return DecipherFromStorage(rawValue(journal.path(), sql).c_str(), TestJournal::kContentKey);
    }
    RichDocument storedModel(const std::string& id) const { return RtfReader::read(storedRtf(id)); }
    // Makes the editor the active window, as the window manager does with a new window, so
    // its keyboard shortcuts act.
    void activateEditor() {
        settle();
        if (!editorOpen())
            return;
        QApplication::setActiveWindow(&editor());
        EXPECT_TRUE(QTest::qWaitForWindowActive(&editor()));
        view().setFocus();
    }
    // Types at the end of the text, as the user does.
    void typeAtEnd(const QString& text) {
        view().moveCursor(QTextCursor::End);
        QTest::keyClicks(&view(), text);
    }
    // Opens the entry, types at the end and saves; the model read back must be the original's
    // with the character joining the last paragraph in the format of the text before it (the
    // paragraph mark's when the paragraph is empty).
    void expectKeptWhenEdited(const std::string& id, const std::string& original) {
        RichDocument expected = RtfReader::read(original);
        if (expected.paragraphs.empty())
            expected.paragraphs.emplace_back();
        Paragraph& last = expected.paragraphs.back();
        CharFormat format = last.mark;
        for (auto it = last.runs.rbegin(); it != last.runs.rend(); ++it) {
            if (!it->image) {
                format = it->format;
                break;
            }
        }
        appendText(last, format, QStringLiteral("Z"));
        session().OpenEntry(id);
        settle();
        typeAtEnd(QStringLiteral("Z"));
        trigger(&editor(), QStringLiteral("editorSave"));
        EXPECT_EQ(dumpDocument(RtfReader::read(session().LoadEntryText(id))),
                  dumpDocument(expected));
    }

    TestJournal journal;
};

const QString kQuestion = QString::fromLatin1(EditorMessages::kSaveQuestion);
// The runs of the model's first paragraph, as "text[b][i][u]" pieces.
QString runsOf(const RichDocument& model) {
    QStringList out;
    for (const richtext::Run& run : model.paragraphs.at(0).runs)
        out.append(run.text + (run.format.bold ? QStringLiteral("[b]") : QString()) +
                   (run.format.italic ? QStringLiteral("[i]") : QString()) +
                   (run.format.underline ? QStringLiteral("[u]") : QString()));
    return out.join(QLatin1Char('|'));
}

TEST_F(EntryEditor, NewEntryIsTypedFormattedSavedAndReadBack) {
    trigger(&frame(), QStringLiteral("actionNewEntry"));
    activateEditor();
    ASSERT_TRUE(editorOpen());
    EXPECT_EQ(editor().windowTitle(), QStringLiteral("New Entry"));
    EXPECT_TRUE(editor().isVisible());
    // Paste follows what the clipboard offers as soon as it changes.
    QAction* paste = editor().Actions().action(ID_EDIT_PASTE);
    QGuiApplication::clipboard()->clear();
    settle();
    EXPECT_FALSE(paste->isEnabled());
    QGuiApplication::clipboard()->setText(QStringLiteral("x"));
    settle();
    EXPECT_TRUE(paste->isEnabled());

    QTest::keyClicks(&view(), QStringLiteral("Plain bold italic under"));
    selectText(view(), 6, 10);
    trigger(&editor(), QStringLiteral("formatBold"));
    selectText(view(), 11, 17);
    QTest::keyClick(&view(), Qt::Key_I, Qt::ControlModifier);
    selectText(view(), 18, 23);
    QTest::keyClick(&view(), Qt::Key_U, Qt::ControlModifier);
    EXPECT_TRUE(action(&editor(), QStringLiteral("formatUnderline"))->isChecked());
    EXPECT_FALSE(action(&editor(), QStringLiteral("formatBold"))->isChecked());
    view().moveCursor(QTextCursor::End);
    QTest::keyClick(&view(), Qt::Key_Return);
    QTest::keyClicks(&view(), QStringLiteral("centred"));
    trigger(&editor(), QStringLiteral("formatCenter"));
    EXPECT_TRUE(action(&editor(), QStringLiteral("formatCenter"))->isChecked());

    // This journal asks for a comment when a new entry is first saved.
    m_modals.then([](QWidget* dialog) { clickButton(dialog, QStringLiteral("Cancel")); });
    QTest::keyClick(&view(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(rawQuery(journal.path(), "SELECT EntryID FROM Entry").size(), 1u);
    const std::string id = editor().Document().EntryId();
    const RichDocument model = storedModel(id);
    ASSERT_EQ(model.paragraphs.size(), 2u);
    EXPECT_EQ(runsOf(model), QStringLiteral("Plain |bold[b]| |italic[i]| |under[u]"));
    EXPECT_EQ(model.paragraphs[1].alignment, Alignment::Center);
    EXPECT_FALSE(view().document()->isModified());
    // After the first save the window carries the entry's date.
    EXPECT_EQ(editor().windowTitle().toStdString(), session().GetEntryDateText(id));
    EXPECT_EQ(m_modals.handled(), 1u) << "only the comment prompt";
}

TEST_F(EntryEditor, FaceSizeColourAndFontDialogChangeOnlyWhatTheyName) {
    openStored("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Liberation Serif;}}\\f0\\fs24 \\b one\\b0  "
               "two three four\\par}");
    CFormatBar& bar = editor().FormatBar();
    selectText(view(), 0, 3);
    bar.faceBox()->setFocus();
    bar.faceBox()->lineEdit()->selectAll();
    QTest::keyClicks(bar.faceBox()->lineEdit(), QStringLiteral("DejaVu Sans"));
    QTest::keyClick(bar.faceBox()->lineEdit(), Qt::Key_Return);
    selectText(view(), 4, 7);
    bar.sizeBox()->setFocus();
    bar.sizeBox()->lineEdit()->selectAll();
    QTest::keyClicks(bar.sizeBox()->lineEdit(), QStringLiteral("10.5"));
    QTest::keyClick(bar.sizeBox()->lineEdit(), Qt::Key_Return);

    selectText(view(), 8, 13);
    m_modals.then([](QWidget* dialog) {
        auto* colours = qobject_cast<QColorDialog*>(dialog);
        ASSERT_NE(colours, nullptr);
        colours->setCurrentColor(QColor(200, 0, 0));
        colours->accept();
    });
    trigger(&editor(), QStringLiteral("formatTextColor"));
    selectText(view(), 14, 18);
    m_modals.then([](QWidget* dialog) {
        auto* fonts = qobject_cast<QFontDialog*>(dialog);
        ASSERT_NE(fonts, nullptr);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSize(16);
        font.setItalic(true);
        fonts->setCurrentFont(font);
        fonts->accept();
    });
    trigger(&editor(), QStringLiteral("editorFont"));
    ASSERT_EQ(m_modals.handled(), 2u);

    trigger(&editor(), QStringLiteral("editorSave"));
    const RichDocument model = storedModel("{E-1}");
    ASSERT_EQ(model.paragraphs.size(), 1u);
    const std::string dump = dumpDocument(model);
    for (const char* run : {R"(text "DejaVu Sans" 24 auto bold "one")", // a face keeps bold
                            R"(text "Liberation Serif" 21 auto "two")",
                            R"(text "Liberation Serif" 24 #c80000 "three")",
                            R"(text "Liberation Sans" 32 auto italic "four")"})
        EXPECT_NE(dump.find(run), std::string::npos) << run << "\n" << dump;
}

TEST_F(EntryEditor, TheFontDialogOnAMixedSelectionKeepsWhatItWasNotAskedToChange) {
    openStored("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Times New Roman;}{\\f1 Liberation Mono;}}"
               "{\\colortbl ;\\red255\\green0\\blue0;}\\f0\\fs24 \\b bold\\b0  \\i italic\\i0  "
               "\\f1\\fs36 mono\\f0\\fs24  \\cf1 red\\cf0\\par}");
    // Over a face that is not installed it says which face stands in, and OK changes nothing.
    selectText(view(), 0, 4);
    m_modals.then([](QWidget* dialog) {
        const auto* note = dialog->findChild<QLabel*>(QStringLiteral("faceStandsIn"));
        EXPECT_TRUE(note && note->text().contains(QStringLiteral("\"Times New Roman\"")));
        qobject_cast<QDialog*>(dialog)->accept();
    });
    trigger(&editor(), QStringLiteral("editorFont"));
    EXPECT_FALSE(view().document()->isModified());
    view().selectAll();
    m_modals.then([](QWidget* dialog) {
        auto* fonts = qobject_cast<QFontDialog*>(dialog);
        QFont font = fonts->currentFont();
        font.setStrikeOut(true);
        fonts->setCurrentFont(font);
        fonts->accept();
    });
    trigger(&editor(), QStringLiteral("editorFont"));
    activateEditor();
    selectText(view(), 12, 16);
    QTest::keyClick(&view(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    trigger(&editor(), QStringLiteral("editorSave"));
    const std::string dump = dumpDocument(storedModel("{E-1}"));
    for (const char* run : {R"(text "Times New Roman" 24 auto bold strike "bold")",
                            R"(text "Times New Roman" 24 auto italic strike "italic")",
                            R"(text "Liberation Mono" 36 auto strike super "mono")",
                            R"(text "Times New Roman" 24 #ff0000 strike "red")"})
        EXPECT_NE(dump.find(run), std::string::npos) << run << "\n" << dump;
}

// Each paragraph's last run as "text", "text@level" in a list, "text>field" when it is one.
QStringList lastRuns(const std::string& rtf) {
    QStringList out;
    for (const Paragraph& p : RtfReader::read(rtf).paragraphs) {
        const CharFormat f = p.runs.empty() ? p.mark : p.runs.back().format;
        out.append((p.runs.empty() ? QString() : p.runs.back().text) + f.face +
                   (p.layout.list ? QStringLiteral("@%1").arg(p.layout.listLevel) : QString()) +
                   (f.field.isEmpty() ? QString() : QStringLiteral(">") + f.field));
    }
    return out;
}

TEST_F(EntryEditor, APastedLinkAndThreeLevelListSurviveSaveReopenAndQbkShow) {
    openStored("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Liberation Serif;}}\\f0\\fs24 Intro\\par}");
    auto* data = new QMimeData;
    data->setHtml(
        QStringLiteral("<p>See <a href=\"https://example.org/?b=1\">the site</a></p><ul>"
                       "<li>one<ul><li>two<ul><li>three</li></ul></li></ul></li><li>four"));
    QGuiApplication::clipboard()->setMimeData(data);
    view().moveCursor(QTextCursor::End);
    QTest::keyClick(&view(), Qt::Key_Return);
    trigger(&editor(), QStringLiteral("editorPaste"));
    // Return on the empty item leaves the list; what is typed then is in the entry's face.
    QTest::keyClick(&view(), Qt::Key_Return);
    QTest::keyClick(&view(), Qt::Key_Return);
    QTest::keyClicks(&view(), QStringLiteral("after"));
    trigger(&editor(), QStringLiteral("editorSave"));
    const QStringList expected{
        QStringLiteral("IntroLiberation Serif"),
        QStringLiteral("the siteLiberation Serif>HYPERLINK \"https://example.org/?b=1\""),
        QStringLiteral("oneLiberation Serif@0"),
        QStringLiteral("twoLiberation Serif@1"),
        QStringLiteral("threeLiberation Serif@2"),
        QStringLiteral("fourLiberation Serif@0"),
        QStringLiteral("afterLiberation Serif")};
    EXPECT_EQ(lastRuns(storedRtf("{E-1}")), expected);
    // Reopened, shown and saved again, then as qbk shows it.
    trigger(&editor(), QStringLiteral("editorClose"));
    session().OpenEntry("{E-1}");
    activateEditor();
    QTest::keyClick(&view(), Qt::Key_Space);
    QTest::keyClick(&view(), Qt::Key_Backspace);
    trigger(&editor(), QStringLiteral("editorSave"));
    const QbkResult shown = runQbk({"show", journal.path(), "{E-1}", "--rtf"});
    EXPECT_EQ(lastRuns(shown.out), expected) << shown.err;
}

// Ctrl+K makes a link of the text and address typed (a bare host gets https://); it is stored as
// a field, and Ctrl+K on it after reopening offers that text and address to edit.
TEST_F(EntryEditor, ALinkMadeWithCtrlKIsStoredAndOfferedAgainAfterReopening) {
    openStored("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 Intro \\par}");
    view().moveCursor(QTextCursor::End);
    const auto fill = [](QWidget* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("linkText"))->setText(QStringLiteral("home"));
        dialog->findChild<QLineEdit*>(QStringLiteral("linkAddress"))
            ->setText(QStringLiteral("example.org/a b"));
        clickButton(dialog, QStringLiteral("OK"));
    };
    m_modals.then(fill);
    QTest::keyClick(&view(), Qt::Key_K, Qt::ControlModifier);
    trigger(&editor(), QStringLiteral("editorSave"));
    EXPECT_EQ(lastRuns(storedRtf("{E-1}")),
              QStringList{QStringLiteral("homeArial>HYPERLINK \"https://example.org/a b\"")});

    trigger(&editor(), QStringLiteral("editorClose"));
    session().OpenEntry("{E-1}");
    activateEditor();
    QTextCursor onLink(view().document());
    onLink.movePosition(QTextCursor::End);
    onLink.movePosition(QTextCursor::Left);
    view().setTextCursor(onLink);
    QString offeredText, offeredAddress;
    m_modals.then([&](QWidget* dialog) {
        offeredText = dialog->findChild<QLineEdit*>(QStringLiteral("linkText"))->text();
        offeredAddress = dialog->findChild<QLineEdit*>(QStringLiteral("linkAddress"))->text();
        clickButton(dialog, QStringLiteral("Cancel"));
    });
    QTest::keyClick(&view(), Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(offeredText, QStringLiteral("home"));
    EXPECT_EQ(offeredAddress, QStringLiteral("https://example.org/a b"));
}

TEST_F(EntryEditor, FormatBarBoxesShowTheSelectionsExactFaceAndSize) {
    openStored("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}{\\f1 Arial Black;}{\\f2 Not A "
               "Font;}}\\f0\\fs14 aa\\fs21 bb\\fs26 cc\\f1\\fs144 dd\\f2\\fs24 ee\\par}");
    CFormatBar& bar = editor().FormatBar();
    view().setFocus();
    const struct {
        int from, to;
        const char* face;
        const char* size;
    } cases[] = {
        {2, 4, "Arial", "10.5"},
        {8, 10, "Not A Font", "12"},
        {5, 7, "", ""},
    };
    for (const auto& c : cases) {
        selectText(view(), c.from, c.to); // the boxes follow the selection
        EXPECT_EQ(bar.faceBox()->currentText(), QString::fromLatin1(c.face)) << c.from;
        EXPECT_EQ(bar.sizeBox()->currentText(), QString::fromLatin1(c.size)) << c.from;
    }
    EXPECT_FALSE(view().document()->isModified()) << "showing a format never changes the text";

    // While the user is choosing in a box, the boxes stay as they are.
    bar.sizeBox()->setFocus();
    bar.sizeBox()->setEditText(QStringLiteral("3"));
    selectText(view(), 0, 2);
    EXPECT_EQ(bar.sizeBox()->currentText(), QStringLiteral("3"));
}

TEST_F(EntryEditor, FindAndReplaceWithTheDialogAndReplaceAllUndoesAndRedoesInOneStep) {
    openStored("{\\rtf1\\ansi One cat, a Cat and concatenate; cat.\\par}");
    trigger(&editor(), QStringLiteral("editorReplace"));
    FindReplaceDialog* dialog = view().Find().dialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(dialog->isVisible());
    dialog->findEdit()->setText(QStringLiteral("cat"));
    dialog->replaceEdit()->setText(QStringLiteral("dog"));
    dialog->wholeWord()->setChecked(true);
    clickButton(dialog, QStringLiteral("Find Next"));
    EXPECT_EQ(view().textCursor().selectionStart(), 4);
    clickButton(dialog, QStringLiteral("Replace"));
    EXPECT_TRUE(view().toPlainText().startsWith(QStringLiteral("One dog, a Cat")));
    EXPECT_EQ(view().textCursor().selectedText(), QStringLiteral("Cat")) << "the next one";

    clickButton(dialog, QStringLiteral("Replace All"));
    const QString replaced = QStringLiteral("One dog, a dog and concatenate; dog.");
    EXPECT_EQ(view().toPlainText(), replaced);
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("findStatus"))->text(),
              QStringLiteral("Replaced 2 occurrences."));
    trigger(&editor(), QStringLiteral("editorUndo"));
    EXPECT_EQ(view().toPlainText(), QStringLiteral("One dog, a Cat and concatenate; cat."));

    // F3 goes on from the caret; both redo keys redo; nothing left is said so.
    dialog->close();
    view().moveCursor(QTextCursor::Start);
    QTest::keyClick(&view(), Qt::Key_F3, Qt::ShiftModifier); // back to the last one
    EXPECT_EQ(view().textCursor().selectionStart(), 32);
    view().moveCursor(QTextCursor::Start);
    QTest::keyClick(&view(), Qt::Key_F3);
    EXPECT_EQ(view().textCursor().selectedText(), QStringLiteral("Cat"));
    QTest::keyClick(&view(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(view().toPlainText(), replaced);
    trigger(&editor(), QStringLiteral("editorUndo"));
    QTest::keyClick(&view(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(view().toPlainText(), replaced);
    EXPECT_FALSE(action(&editor(), QStringLiteral("editorRedo"))->isEnabled());
    answerMessage(m_modals, QStringLiteral("Cannot find \"zebra\"."));
    view().Find().setNeedle(QStringLiteral("zebra"), {});
    EXPECT_FALSE(view().Find().findNext());
}

// The save question at each way of leaving the text: closing with Cancel keeps the window open
// and modified, New Entry with No reuses the window and stores nothing, closing with Yes saves.
TEST_F(EntryEditor, LeavingAModifiedEntryAsksAndEachAnswerDoesWhatItSays) {
    openStored("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 Kept text\\par}");
    CEntryFrame* first = &editor();
    typeAtEnd(QStringLiteral("X"));
    // Escape is Cancel, though Yes is the default button.
    m_modals.then([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
    trigger(&editor(), QStringLiteral("editorClose"));
    EXPECT_TRUE(editorOpen() && view().document()->isModified());
    answerMessage(m_modals, kQuestion, QStringLiteral("Cancel"));
    trigger(&editor(), QStringLiteral("editorClose"));
    settle();
    ASSERT_TRUE(editorOpen());
    EXPECT_TRUE(view().document()->isModified());
    // Ctrl+W and Escape ask as Close does.
    for (const auto& [key, modifier] :
         {std::pair{Qt::Key_W, Qt::ControlModifier}, std::pair{Qt::Key_Escape, Qt::NoModifier}}) {
        activateEditor(); // the question took the focus
        answerMessage(m_modals, kQuestion, QStringLiteral("Cancel"));
        QTest::keyClick(&view(), key, modifier);
        settle();
        ASSERT_TRUE(editorOpen()) << key;
        EXPECT_TRUE(view().document()->isModified());
    }
    EXPECT_NE(session().Editor(), nullptr);

    answerMessage(m_modals, kQuestion, QStringLiteral("No"));
    trigger(&frame(), QStringLiteral("actionNewEntry"));
    activateEditor();
    ASSERT_TRUE(editorOpen());
    EXPECT_EQ(&editor(), first);
    EXPECT_EQ(view().toPlainText(), QString());
    EXPECT_EQ(editor().windowTitle(), QStringLiteral("New Entry"));
    EXPECT_EQ(runsOf(storedModel("{E-1}")), QStringLiteral("Kept text"));
    session().OpenEntry("{E-1}");
    EXPECT_EQ(view().toPlainText(), QStringLiteral("Kept text"));

    typeAtEnd(QStringLiteral("X"));
    answerMessage(m_modals, kQuestion, QStringLiteral("Yes"));
    trigger(&editor(), QStringLiteral("editorClose"));
    settle();
    EXPECT_FALSE(editorOpen());
    EXPECT_EQ(runsOf(storedModel("{E-1}")), QStringLiteral("Kept textX"));
    EXPECT_EQ(session().Editor(), nullptr);
}

TEST_F(EntryEditor, ViewTogglesHideTheBarsAndTheStatusBarCountsTheText) {
    openStored("{\\rtf1\\ansi Three small words\\par}");
    EXPECT_EQ(editor().findChild<QLabel*>(QStringLiteral("editorCounts"))->text(),
              QStringLiteral("3 words, 17 characters"));
    const std::pair<const char*, QWidget*> toggles[] = {
        {"editorViewToolbar", &editor().ToolBar()},
        {"editorViewFormatBar", &editor().FormatBar()},
        {"editorViewStatusBar", editor().statusBar()}};
    for (const auto& [item, bar] : toggles) {
        trigger(&editor(), QString::fromLatin1(item));
        EXPECT_TRUE(bar->isHidden()) << item;
        EXPECT_FALSE(action(&editor(), QString::fromLatin1(item))->isChecked()) << item;
        EXPECT_TRUE(editor().menuBar()->isVisible()) << "the menu bar always stays";
        trigger(&editor(), QString::fromLatin1(item));
        EXPECT_TRUE(bar->isVisible()) << item;
    }
    EXPECT_LT(editor().ToolBar().geometry().bottom(), editor().FormatBar().geometry().top())
        << "each bar on its own row";
    // Page Setup is the application's; About has no handler.
    EXPECT_TRUE(action(&editor(), QStringLiteral("editorPageSetup"))->isEnabled());
    EXPECT_FALSE(action(&editor(), QStringLiteral("editorAbout"))->isEnabled());
}

// The editor's own Check Spelling and Print Preview open their windows; the as-you-type
// switch is in its Tools menu.
TEST_F(EntryEditor, SpellingAndPrintPreviewOpenTheirWindows) {
    openStored("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 Kept txet here\\par}");
    EXPECT_NE(editor().findChild<QAction*>(QStringLiteral("spellAsYouType")), nullptr);
    const auto opens = [this](const char* item, const char* window) {
        m_modals.then([window](QWidget* dialog) {
            EXPECT_STREQ(dialog->metaObject()->className(), window);
            if (auto* box = qobject_cast<QDialog*>(dialog))
                box->reject();
        });
        trigger(&editor(), QString::fromLatin1(item));
    };
    opens("editorPrintPreview", "QPrintPreviewDialog");
    if (SpellingEngine::instance().service() == nullptr)
        GTEST_SKIP() << "no Hunspell dictionary installed (install hunspell-en-us)";
    opens("editorCheckSpelling", "CSpellingDlg");
}

// The program's spelling on an empty dictionary folder, not yet told that it has none.
class EntryEditorWithoutDictionaries : public EntryEditor {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(EntryEditor::SetUp());
        none = std::make_unique<SpellingEngine>(QStringList{empty.path()}, QString());
        SpellingEngine::replaceInstance(none.get());
        QSettings().remove(spellingtexts::settingsGroup() + u'/' + spellingtexts::missingToldKey());
    }
    void TearDown() override { // the editors close with the application, before the engine
        EntryEditor::TearDown();
        SpellingEngine::replaceInstance(nullptr);
    }
    QTemporaryDir empty;
    std::unique_ptr<SpellingEngine> none;
};

TEST_F(EntryEditorWithoutDictionaries, TheFirstEditorSaysWhatToInstallAndGreysAsYouType) {
    answerMessage(m_modals, spellingtexts::noDictionary()); // names hunspell-en-us
    for (const char* id : {"{E-1}", "{E-2}"}) {
        openStored("{\\rtf1\\ansi Text\\par}", id);
        EXPECT_EQ(m_modals.pending(), 0u) << id;
        const QAction* asYouType = editor().findChild<QAction*>(QStringLiteral("spellAsYouType"));
        ASSERT_NE(asYouType, nullptr);
        EXPECT_FALSE(asYouType->isChecked() || asYouType->isEnabled()) << id;
        trigger(&editor(), QStringLiteral("editorClose"));
        settle();
        ASSERT_FALSE(editorOpen());
    }
}

TEST_F(EntryEditor, EveryGoldenSampleAndSampleJournalEntryKeepsItsFormatting) {
    const fs::path root = fs::path(__FILE__).parent_path() / "../../core/richtext/golden";
    int samples = 0;
    for (const auto& dir : fs::directory_iterator(root)) {
        const std::string original = fileBytes(dir.path() / "input.rtf");
        if (!RtfReader::isRtf(original))
            continue;
        SCOPED_TRACE(dir.path().filename().string());
        const std::string id = "{G-" + std::to_string(++samples) + "}";
        journal.addEntry(id, "2024-03-05 08:30", "{Root}", "", false, original);
        // As stored: a text holding a zero byte (a \bin picture) is kept up to it.
        expectKeptWhenEdited(id, session().LoadEntryText(id));
        EXPECT_EQ(storedRtf(id), session().LoadEntryText(id)) << "the file holds what was saved";
    }
    EXPECT_GE(samples, 10);

    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("sample.qbk")).toStdString();
    ASSERT_EQ(makeSampleJournal(path), "");
    ASSERT_TRUE(session().CloseJournal());
    ASSERT_EQ(session().OpenJournal(path), CQBKDoc::OpenResult::Ok);
    const std::vector<RawRow> rows = rawQuery(path, "SELECT EntryID FROM Entry");
    EXPECT_GE(rows.size(), 3u);
    for (const RawRow& row : rows) {
        SCOPED_TRACE(*row[0]);
        expectKeptWhenEdited(*row[0], session().LoadEntryText(*row[0]));
    }
}

// Paragraphs as "*level " (bullets) or "#level " (numbers), "liN " and the runs, [b] bold and
// [h] highlighted, joined by "|".
QString shape(const RichDocument& model) {
    QStringList out;
    for (const Paragraph& p : model.paragraphs) {
        const auto& list = p.layout.list;
        QString line = list ? QStringLiteral("%1%2 ")
                                  .arg(QChar(list->numbered() ? u'#' : u'*'))
                                  .arg(p.layout.listLevel)
                            : QString();
        if (p.layout.leftIndent != 0)
            line += QStringLiteral("li%1 ").arg(p.layout.leftIndent);
        for (const richtext::Run& run : p.runs)
            line += run.text + (run.format.bold ? QStringLiteral("[b]") : QString()) +
                    (run.format.highlight ? QStringLiteral("[h]") : QString());
        out.append(line);
    }
    return out.join(u'|');
}

const std::string kTwoParagraphs =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 One \\b two\\b0\\par Three\\par}";

TEST_F(EntryEditor, EachFormatCommandOnASelectionOrAtTheCaretIsStoredAndReadBack) {
    // Command, on "One two" selected (else at the caret after it, then "X" typed): the
    // paragraphs read back, and a word of the RTF form the Windows control reads.
    const std::tuple<const char*, bool, const char*, const char*> cases[] = {
        {"editorBullets", true, "*0 One two[b]|Three", "\\pnindent360{\\pntxtb\\'b7}"},
        {"editorBullets", false, "*0 One twoX[b]|Three", "{\\pntext"},
        {"editorNumbering", true, "#0 One two[b]|Three", "\\pnlvlbody"},
        {"editorNumbering", false, "#0 One twoX[b]|Three", "\\pndec"},
        {"editorIndent", true, "li720 One two[b]|Three", "\\li720"},
        {"editorIndent", false, "li720 One twoX[b]|Three", "\\li720"},
        {"editorHighlight", true, "One [h]two[b][h]|Three", "\\highlight"},
        {"editorHighlight", false, "One two[b]X[b][h]|Three", "\\highlight"},
        {"editorClearFormat", true, "One two|Three", "\\f0\\fs24"},
        {"editorClearFormat", false, "One two[b]X|Three", "\\f0\\fs24"},
    };
    int entry = 0;
    for (const auto& [command, selection, expected, word] : cases) {
        const std::string id = "{F-" + std::to_string(++entry) + "}";
        openStored(kTwoParagraphs, id);
        selectText(view(), selection ? 0 : 7, 7);
        trigger(&editor(), QString::fromLatin1(command));
        if (!selection)
            QTest::keyClicks(&view(), QStringLiteral("X"));
        trigger(&editor(), QStringLiteral("editorSave"));
        EXPECT_EQ(shape(storedModel(id)), QString::fromLatin1(expected)) << command << selection;
        EXPECT_NE(storedRtf(id).find(word), std::string::npos) << command << selection;
    }
}

TEST_F(EntryEditor, TabAndShiftTabChangeTheLevelOfListParagraphsOnly) {
    openStored(
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 a\\par b\\par c\\par d\\par}");
    selectText(view(), 0, 7);
    trigger(&editor(), QStringLiteral("editorNumbering"));
    // At the start of b, c, c, c, d: the key pressed.
    const std::pair<int, Qt::Key> keys[] = {{2, Qt::Key_Tab},
                                            {4, Qt::Key_Tab},
                                            {4, Qt::Key_Tab},
                                            {4, Qt::Key_Backtab},
                                            {6, Qt::Key_Backtab}};
    for (const auto& [at, key] : keys) {
        selectText(view(), at, at);
        QTest::keyClick(&view(), key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    }
    selectText(view(), 6, 6);
    QTest::keyClick(&view(), Qt::Key_Tab); // outside a list a tab is typed
    trigger(&editor(), QStringLiteral("editorSave"));
    EXPECT_EQ(shape(storedModel("{E-1}")), QStringLiteral("#0 a|#1 b|#1 c|\td"));
}

TEST_F(EntryEditor, PlainPasteTakesTheCaretsFormatAndZoomNeverChangesStoredSizes) {
    openStored(kTwoParagraphs);
    auto* data = new QMimeData;
    data->setHtml(QStringLiteral("<b style=\"font-size:30pt;color:red\">Loud</b>"));
    data->setText(QStringLiteral("Loud"));
    QGuiApplication::clipboard()->setMimeData(data);
    selectText(view(), 0, 0);
    trigger(&editor(), QStringLiteral("editorPastePlain"));
    const std::string shown = view().GetEntryText();
    const qreal height = view().document()->documentLayout()->documentSize().height();
    QTest::keyClick(&view(), Qt::Key_Equal, Qt::ControlModifier);
    QTest::keyClick(&view(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(view().Zoom(), 125);
    EXPECT_GT(view().document()->documentLayout()->documentSize().height(), height * 1.2);
    EXPECT_EQ(view().GetEntryText(), shown);
    EXPECT_EQ(CEntryView().Zoom(), 125) << "remembered for the next editor";
    trigger(&editor(), QStringLiteral("editorSave"));
    const RichDocument stored = storedModel("{E-1}");
    EXPECT_EQ(shape(stored), QStringLiteral("LoudOne two[b]|Three"));
    EXPECT_EQ(stored.paragraphs.at(0).runs.at(0).format.halfPoints, 24);
    EXPECT_FALSE(stored.paragraphs.at(0).runs.at(0).format.color);
    QTest::keyClick(&view(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(view().Zoom(), 100);
}

} // namespace
