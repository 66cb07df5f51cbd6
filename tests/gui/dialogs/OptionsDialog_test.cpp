// File > Journal Options on real journals: what the user changes is written back, the title
// reloads the folder tree, and stored values the dialog does not offer stay as they are.
#include "app/CMainFrame.h"
#include "browser/CQBKView.h"
#include "dialogs/COptionsDlg.h"
#include "dialogs/SettingsControls.h"
#include "platform/ControlId.h"
#include "store/CQBKDoc.h"
#include "support/AppTest.h"
#include "support/RawSqlite.h"
#include "support/TestJournal.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace {

using Pane = CQBKView::Pane;

void click(QWidget* dialog, int id) {
    QWidget* control = findControl(dialog, id);
    ASSERT_NE(control, nullptr) << id;
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(8, control->height() / 2));
}

QString current(QWidget* dialog, int comboId) {
    return findControl<QComboBox>(dialog, comboId)->currentText();
}

class OptionsDialogTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        setShowWelcome(0);
    }
    void openJournal() {
        start();
        ASSERT_EQ(m_app->Document().OpenJournal(journal.path()), CQBKDoc::OpenOk);
    }
    RawRow config() const {
        return rawQuery(journal.path(),
                        "SELECT Title, Owner, DateFormat, TimeFormat, DefaultFontName, "
                        "DefaultFontSize, PromptForComment, ShowFirstLine, ConfirmEntryMove, "
                        "ConfirmFolderMove FROM Config")[0];
    }
    TestJournal journal;
};

TEST_F(OptionsDialogTest, ChangesAreWrittenBackAndTheTitleReloadsTheTree) {
    rawExec(journal.path(), "UPDATE Config SET Title = 'Old', Owner = 'Me', DateFormat = "
                            "'%m/%d/%Y', TimeFormat = '%I:%M %p', DefaultFontName = 'Times New "
                            "Roman', DefaultFontSize = 12, PromptForComment = 1, ShowFirstLine = "
                            "0, ConfirmEntryMove = 1, ConfirmFolderMove = 1");
    openJournal();
    const int reloads = pane(Pane::FolderTree).reloads;
    m_modals.then([this](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), QStringLiteral("COptionsDlg"));
        EXPECT_EQ(findControl<QLineEdit>(dialog, COptionsDlg::kLocationId)->text(),
                  QFile::decodeName(journal.path().c_str()));
        EXPECT_TRUE(findControl<QLineEdit>(dialog, COptionsDlg::kLocationId)->isReadOnly());
        EXPECT_EQ(current(dialog, SettingsControls::kDateComboId), QStringLiteral("7/5/2004"));
        typeInto(dialog, COptionsDlg::kTitleId, QStringLiteral("New title"));
        typeInto(dialog, COptionsDlg::kOwnerId, QString(40, QLatin1Char('o'))); // 30 fit
        auto* date = findControl<QComboBox>(dialog, SettingsControls::kDateComboId);
        date->setFocus();
        QTest::keyClick(date, Qt::Key_End); // "Monday, July 5 2004"
        click(dialog, SettingsControls::kNoTimeId);
        for (int id : {COptionsDlg::kPromptId, COptionsDlg::kShowFirstLineId,
                       COptionsDlg::kConfirmEntryMoveId, COptionsDlg::kConfirmFolderMoveId})
            click(dialog, id);
        clickButton(dialog, QStringLiteral("OK"));
    });
    trigger(&frame(), QStringLiteral("actionJournalOptions"));
    EXPECT_EQ(config(), (RawRow{"New title", std::string(30, 'o'), "%A, %B %d %Y", "",
                                "Times New Roman", "12", "0", "1", "0", "0"}));
    EXPECT_EQ(pane(Pane::FolderTree).reloads, reloads + 1);
    EXPECT_EQ(m_app->Document().GetTitle(), "New title");

    // Cancel writes nothing.
    m_modals.then([](QWidget* dialog) {
        typeInto(dialog, COptionsDlg::kTitleId, QStringLiteral("Dropped"));
        clickButton(dialog, QStringLiteral("Cancel"));
    });
    trigger(&frame(), QStringLiteral("actionJournalOptions"));
    EXPECT_EQ(config()[0], "New title");
}

// Journals made elsewhere: formats, a face and a size this dialog does not offer.
TEST_F(OptionsDialogTest, StoredValuesOutsideTheChoicesAreKeptUnlessChanged) {
    rawExec(journal.path(), "UPDATE Config SET Title = 'T', DateFormat = '%Y-%m-%d', "
                            "TimeFormat = '%H:%M:%S', DefaultFontName = 'No Such Face Here', "
                            "DefaultFontSize = 13");
    openJournal();
    const RawRow before = config();
    m_modals.then([](QWidget* dialog) {
        EXPECT_EQ(current(dialog, SettingsControls::kDateComboId), QStringLiteral("2004-07-05"));
        EXPECT_EQ(current(dialog, SettingsControls::kFaceComboId),
                  QStringLiteral("No Such Face Here"));
        EXPECT_EQ(current(dialog, SettingsControls::kSizeComboId), QStringLiteral("13"));
        auto* other = dialog->findChild<QRadioButton*>(QStringLiteral("otherTimeFormat"));
        ASSERT_NE(other, nullptr);
        EXPECT_TRUE(other->isChecked());
        EXPECT_EQ(other->text(), QStringLiteral("Other (13:30:00)"));
        clickButton(dialog, QStringLiteral("OK"));
    });
    trigger(&frame(), QStringLiteral("actionJournalOptions"));
    EXPECT_EQ(config(), before);

    // The user picks offered choices: those are stored.
    m_modals.then([](QWidget* dialog) {
        auto* date = findControl<QComboBox>(dialog, SettingsControls::kDateComboId);
        date->setFocus();
        QTest::keyClick(date, Qt::Key_Home);
        auto* size = findControl<QComboBox>(dialog, SettingsControls::kSizeComboId);
        size->setFocus();
        QTest::keyClick(size, Qt::Key_Up); // 12, listed before the kept 13
        click(dialog, SettingsControls::kTwentyFourHourId);
        clickButton(dialog, QStringLiteral("OK"));
    });
    trigger(&frame(), QStringLiteral("actionJournalOptions"));
    const RawRow after = config();
    EXPECT_EQ(after[2], "%m/%d/%Y");
    EXPECT_EQ(after[3], "%H:%M");
    EXPECT_EQ(after[4], "No Such Face Here");
    EXPECT_EQ(after[5], "12");
}

} // namespace
