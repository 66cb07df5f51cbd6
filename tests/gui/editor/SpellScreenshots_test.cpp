#include "editor/CSpellingDlg.h"
#include "editor/SpellHighlighter.h"
#include "editor/SpellingEngine.h"
#include "platform/RtfDocumentAdapter.h"
#include "support/GuiTest.h"

#include <QApplication>
#include <QDir>
#include <QTextEdit>
#include <QTimer>

using namespace Qt::StringLiterals;

// Pictures of the underlined text and of the spelling dialog with the installed dictionary,
// for looking at them as a person would (run under xvfb-run with the platform left to xcb):
//   QUILLBOOK_SPELL_SHOTS=/tmp/shots quillbook_gui_tests --gtest_filter='SpellScreenshots*'
TEST(SpellScreenshots, UnderlinedTextAndTheDialog) {
    const QString folder = qEnvironmentVariable("QUILLBOOK_SPELL_SHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "set QUILLBOOK_SPELL_SHOTS to a folder for the pictures";
    ensureApplication();
    QDir().mkpath(folder);
    SpellingEngine engine(spelling::dictionaryFolders(), folder + u"/words.txt"_s);
    if (engine.service() == nullptr)
        GTEST_SKIP() << engine.unavailableReason().toStdString();

    QTextEdit editor;
    editor.resize(640, 300);
    SpellHighlighter highlighter(editor.document());
    highlighter.setService(engine.service());
    RtfDocumentAdapter::setEntryText(
        *editor.document(),
        R"({\rtf1\ansi{\fonttbl{\f0 DejaVu Sans;}}\f0\fs24 Yesterday we walked along the rivre and )"
        R"(saw a {\b heron} stnading in the {\i shalow} water.\par It was a quiet, na\'efve mornign; )"
        R"(see https://exmaple.org/notes for teh pictures.})");
    editor.show();
    settle();
    EXPECT_TRUE(editor.grab().save(folder + u"/underlined.png"_s));

    QTimer::singleShot(200, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->grab().save(folder + u"/dialog.png"_s));
        qobject_cast<QDialog*>(dialog)->reject();
    });
    CSpellingDlg::check(editor, *engine.service());
}
