#include "editor/CEntryFrame.h"
#include "editor/SpellingEngine.h"
#include "support/EditorTest.h"

#include <QAction>
#include <QDialog>
#include <QPrintPreviewDialog>

namespace {

class EditorCommands : public EditorTest {};

// The editor's own Check Spelling, Print Preview and Tools menu reach the spelling and
// printing code: the spelling dialog stops at the misspelt word, the preview opens on the
// entry, and the as-you-type switch is in the Tools menu.
TEST_F(EditorCommands, SpellingAndPrintPreviewOpenTheirWindows) {
    openStored("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 Kept txet here\\par}");
    EXPECT_NE(editor().findChild<QAction*>(QStringLiteral("spellAsYouType")), nullptr);

    QString opened;
    const auto record = [&opened](QWidget* dialog) {
        opened = QString::fromLatin1(dialog->metaObject()->className());
        if (auto* box = qobject_cast<QDialog*>(dialog))
            box->reject();
    };
    m_modals.then(record);
    trigger(&editor(), QStringLiteral("editorPrintPreview"));
    EXPECT_EQ(opened, QStringLiteral("QPrintPreviewDialog"));

    if (SpellingEngine::instance().service() == nullptr)
        GTEST_SKIP() << "no Hunspell dictionary installed (install hunspell-en-us)";
    opened.clear();
    m_modals.then(record);
    trigger(&editor(), QStringLiteral("editorCheckSpelling"));
    EXPECT_EQ(opened, QStringLiteral("CSpellingDlg"));
}

} // namespace
