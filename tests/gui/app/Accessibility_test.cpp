// Every window and dialog as a screen reader and a keyboard user meet it: each interactive
// element has a name, and Tab reaches every control of a dialog.
#include "core/export/AutoBackup.h"
#include "core/export/ExportDialogValues.h"
#include "core/export/RecoveryOffer.h"
#include "core/print/PrintJournalState.h"
#include "core/session/ChangeDateValues.h"
#include "core/session/CommentValues.h"
#include "core/session/FolderChoiceValues.h"
#include "core/spelling/SpellingService.h"
#include "core/store/NewJournalValues.h"
#include "core/store/OptionsValues.h"
#include "gui/app/CAboutDlg.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CWelcomeDlg.h"
#include "gui/app/PageSetup.h"
#include "gui/dialogs/CChangeDateDlg.h"
#include "gui/dialogs/CChangePasswordDlg.h"
#include "gui/dialogs/CCommentDlg.h"
#include "gui/dialogs/CEntryTopicsDlg.h"
#include "gui/dialogs/CMasterTopicsDlg.h"
#include "gui/dialogs/CNewJournalDlg.h"
#include "gui/dialogs/COptionsDlg.h"
#include "gui/dialogs/CPasswordDlg.h"
#include "gui/dialogs/CSearchDlg.h"
#include "gui/dialogs/FolderPickerDlg.h"
#include "gui/dialogs/RecoveryDlg.h"
#include "gui/dialogs/StatisticsDlg.h"
#include "gui/editor/CEntryFrame.h"
#include "gui/editor/CSpellingDlg.h"
#include "gui/editor/EditorFind.h"
#include "gui/editor/EntryEditorTemplate.h"
#include "gui/editor/EntryFontDialog.h"
#include "gui/editor/FindReplaceDialog.h"
#include "gui/editor/LinkDialog.h"
#include "gui/editor/PictureSizeDialog.h"
#include "gui/export/BackupDialog.h"
#include "gui/export/ExportDialog.h"
#include "gui/import/ImportDlg.h"
#include "gui/platform/HelpWindow.h"
#include "gui/print/CCustomPrintDialog.h"
#include "gui/print/CPrintJournalDlg.h"
#include "support/AccessibilityWalk.h"
#include "support/AppTest.h"
#include "support/FakeSpellChecker.h"
#include "support/ScriptedJournalUi.h"
#include "support/TestJournal.h"

#include <QPrinter>
#include <QTextEdit>

namespace {

class AccessibilityTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        journal.addEntry("{E-1}", "2024-03-05 08:30", "{Root}", "a comment", true, "");
        ASSERT_NO_FATAL_FAILURE(openOnRealPanes(journal.path()));
    }
    CQBKDoc& doc() const { return m_app->Document(); }

    TestJournal journal;
    ScriptedJournalUi ui;
};

TEST_F(AccessibilityTest, MainWindowAndEditorNameEveryControl) {
    EXPECT_EQ(unnamedControls(&frame()), QStringList());
    doc().OpenEntry("{E-1}");
    settle();
    ASSERT_NE(m_app->Editor()->Frame(), nullptr);
    EXPECT_EQ(unnamedControls(m_app->Editor()->Frame()), QStringList());
}

TEST_F(AccessibilityTest, EveryDialogNamesItsControlsAndTabReachesThemAll) {
    QTextEdit text;
    text.setPlainText(QStringLiteral("Teh end"));
    EditorFind find(text);
    FakeSpellChecker checker({QStringLiteral("end")});
    SpellingService words(checker, PersonalWordList(m_settingsDir.filePath(QStringLiteral("w"))));
    QPrinter printer;
    PrintJournalState printState("{E-1}", "{Root}", COleDateTime::GetCurrentTime());
    const FolderChoiceValues folders{"Move to", {{"{F-1}", "{Root}", "Letters"}}, "{Root}"};
    RecoveryOffer offer;
    offer.question = QStringLiteral("Restore?");
    auto* self = this;
    using Made = std::unique_ptr<QWidget>;
    const std::vector<std::pair<const char*, std::function<Made(QWidget*)>>> dialogs = {
        {"About", [](QWidget* p) { return Made(new CAboutDlg(QStringLiteral("1.0"), p)); }},
        {"Welcome", [](QWidget* p) { return Made(new CWelcomeDlg("/last.qbk", p)); }},
        {"New Journal", [](QWidget* p) { return Made(new CNewJournalDlg({}, p)); }},
        {"Journal Options", [](QWidget* p) { return Made(new COptionsDlg({}, p)); }},
        {"Password", [](QWidget* p) { return Made(new CPasswordDlg(p)); }},
        {"Change Password", [](QWidget* p) { return Made(new CChangePasswordDlg(p)); }},
        {"Change Entry Date", [](QWidget* p) { return Made(new CChangeDateDlg({}, p)); }},
        {"Comment", [](QWidget* p) { return Made(new CCommentDlg({}, p)); }},
        {"Folder Picker", [&](QWidget* p) { return Made(new FolderPickerDlg(folders, p)); }},
        {"Master Topic List",
         [&](QWidget* p) { return Made(new CMasterTopicsDlg(self->doc(), self->ui, p)); }},
        {"Entry Topics",
         [&](QWidget* p) {
             return Made(new CEntryTopicsDlg(self->doc(), self->ui, "{E-1}", nullptr, p));
         }},
        {"Search", [&](QWidget* p) { return Made(new CSearchDlg(self->doc(), self->ui, p)); }},
        {"Statistics",
         [&](QWidget* p) { return Made(new StatisticsDlg(self->doc(), self->ui, p)); }},
        {"Recovery", [&](QWidget* p) { return Made(new RecoveryDlg(offer, p)); }},
        {"Export", [](QWidget* p) { return Made(new ExportDialog({}, QStringLiteral("x"), p)); }},
        {"Backup",
         [](QWidget* p) { return Made(new BackupDialog(QStringLiteral("/b.qbk"), {}, p)); }},
        {"Import", [&](QWidget* p) { return Made(new ImportDlg(folders.m_folders, p)); }},
        {"Print Journal", [&](QWidget* p) { return Made(new CPrintJournalDlg(printState, p)); }},
        {"Print", [&](QWidget* p) { return Made(new CCustomPrintDialog(&printer, p)); }},
        {"Font", [](QWidget* p) { return Made(new EntryFontDialog({}, QFont(), p)); }},
        {"Link", [](QWidget* p) { return Made(new LinkDialog({}, {}, p)); }},
        {"Picture Size",
         [](QWidget* p) {
             return Made(new PictureSizeDialog({40, 30}, {80, 60}, p));
         }},
        {"Find and Replace", [&](QWidget* p) { return Made(new FindReplaceDialog(find, p)); }},
        {"Help", [](QWidget* p) { return Made(new HelpWindow(p)); }},
    };
    for (const auto& [name, make] : dialogs) {
        SCOPED_TRACE(name);
        const Made dialog = make(&frame());
        m_modals.shownByTest(dialog.get());
        EXPECT_EQ(unnamedControls(dialog.get()), QStringList());
        EXPECT_EQ(missedByTab(dialog.get()), QStringList());
    }
    // The spelling and page setup dialogs are made only where they are run.
    PageMargins margins;
    for (const auto& run :
         std::vector<std::function<void()>>{[&] { CSpellingDlg::check(text, words, &frame()); },
                                            [&] { PageSetup::run(&frame(), printer, margins); }}) {
        m_modals.then([](QWidget* dialog) {
            SCOPED_TRACE(dialog->objectName().toStdString());
            EXPECT_EQ(unnamedControls(dialog), QStringList());
            EXPECT_EQ(missedByTab(dialog), QStringList());
            dialog->close();
        });
        run();
        EXPECT_EQ(m_modals.pending(), 0u);
    }
}

} // namespace
