// File > New > Journal, File > Journal Options and the password dialogs, typed into as a user
// does; the journal file is read back with plain SQLite.
#include "core/protect/PasswordDigest.h"
#include "core/session/CQBKDoc.h"
#include "gui/app/CMainFrame.h"
#include "gui/browser/CQBKView.h"
#include "gui/dialogs/CChangePasswordDlg.h"
#include "gui/dialogs/CNewJournalDlg.h"
#include "gui/dialogs/COptionsDlg.h"
#include "gui/dialogs/CPasswordDlg.h"
#include "gui/dialogs/SettingsControls.h"
#include "gui/platform/ControlId.h"
#include "support/AppTest.h"
#include "support/DialogSteps.h"
#include "support/RawSqlite.h"
#include "support/TestJournal.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Dlg = CNewJournalDlg;

QString current(QWidget* dialog, int comboId) {
    return findControl<QComboBox>(dialog, comboId)->currentText();
}

// Picks in the combo box with the key, as a user does with the keyboard.
void pressIn(QWidget* dialog, int comboId, Qt::Key key) {
    auto* box = findControl<QComboBox>(dialog, comboId);
    box->setFocus();
    QTest::keyClick(box, key);
}

// Focus moves only within the active window.
void activate(QWidget* dialog) {
    QApplication::setActiveWindow(dialog);
    settle();
}

QString shownPath(QWidget* dialog) {
    return findControl<QLabel>(dialog, Dlg::kPathId)->text();
}

// New journals are proposed in the documents folder: here one inside a temporary home.
class NewJournalDialogTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        m_oldHome = qgetenv("HOME");
        qputenv("HOME", m_home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", m_home.filePath(QStringLiteral(".config")).toLocal8Bit());
        startWithoutWelcome();
    }
    void TearDown() override {
        AppTest::TearDown();
        qputenv("HOME", m_oldHome);
        qunsetenv("XDG_CONFIG_HOME");
    }
    std::string documents(const QString& name) const {
        return QFile::encodeName(m_home.filePath(QStringLiteral("Documents/") + name))
            .toStdString();
    }

    QTemporaryDir m_home;
    QByteArray m_oldHome;
};

TEST_F(NewJournalDialogTest,
       TitleNamesTheFileAPasswordProtectsItAfterAMismatchAndTheChoicesReachIt) {
    m_modals.then([](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), QStringLiteral("CNewJournalDlg"));
        EXPECT_TRUE(shownPath(dialog).endsWith(QStringLiteral("/Documents/New Journal.qbk")));
        activate(dialog);
        findControl(dialog, Dlg::kTitleId)->setFocus();
        typeInto(dialog, Dlg::kTitleId, QStringLiteral("Trip"));
        QTest::keyClick(findControl(dialog, Dlg::kTitleId), Qt::Key_Tab);
        EXPECT_TRUE(shownPath(dialog).endsWith(QStringLiteral("/Documents/Trip.qbk")));
        typeInto(dialog, Dlg::kOwnerId, QStringLiteral("Ana"));

        EXPECT_FALSE(findControl(dialog, Dlg::kPasswordId)->isEnabled());
        clickControl(dialog, Dlg::kProtectedId);
        EXPECT_TRUE(findControl(dialog, Dlg::kPasswordId)->isEnabled());
        typeInto(dialog, Dlg::kPasswordId, QStringLiteral("s3cret"));
        typeInto(dialog, Dlg::kConfirmId, QStringLiteral("s3cre"));
        clickControl(dialog, Dlg::kShowCharactersId); // emptied even while shown in clear
        EXPECT_EQ(findControl<QLineEdit>(dialog, Dlg::kConfirmId)->echoMode(), QLineEdit::Normal);

        EXPECT_EQ(current(dialog, SettingsControls::kDateComboId),
                  QStringLiteral("Monday, July 5 2004"));
        pressIn(dialog, SettingsControls::kDateComboId, Qt::Key_Home); // "7/5/2004"
        clickControl(dialog, SettingsControls::kTwentyFourHourId);
        EXPECT_EQ(current(dialog, SettingsControls::kSizeComboId), QStringLiteral("12"));
        pressIn(dialog, SettingsControls::kSizeComboId, Qt::Key_Down);
        // Times New Roman is offered (kept when not installed here) and selected.
        EXPECT_EQ(current(dialog, SettingsControls::kFaceComboId),
                  QStringLiteral("Times New Roman"));
        clickButton(dialog, QStringLiteral("Create Journal..."));
    });
    // A mismatch comes back to the dialog with both passwords emptied and the focus on the first.
    answerMessage(m_modals, QStringLiteral("The passwords you entered did not match"));
    m_modals.then([](QWidget* dialog) {
        EXPECT_EQ(findControl<QLineEdit>(dialog, Dlg::kPasswordId)->text(), QString());
        EXPECT_EQ(findControl<QLineEdit>(dialog, Dlg::kConfirmId)->text(), QString());
        activate(dialog);
        EXPECT_EQ(QApplication::focusWidget(), findControl(dialog, Dlg::kPasswordId));
        typeInto(dialog, Dlg::kPasswordId, QStringLiteral("s3cret"));
        typeInto(dialog, Dlg::kConfirmId, QStringLiteral("s3cret"));
        clickButton(dialog, QStringLiteral("Create Journal..."));
    });
    answerMessage(m_modals, QStringLiteral("Journal Created"));
    trigger(&frame(), QStringLiteral("actionNewJournal"));
    const std::string path = documents(QStringLiteral("Trip.qbk"));
    ASSERT_TRUE(m_app->Document().IsJournalOpen());
    EXPECT_EQ(m_app->Document().Path(), path);
    const auto rows =
        rawQuery(path, "SELECT Title, Owner, HasPassword, Password, PromptForComment, "
                       "DateFormat, TimeFormat, DefaultFontName, DefaultFontSize FROM Config");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (RawRow{"Trip", "Ana", "1", PasswordDigest("s3cret").HexDigest(), "1",
                               "%m/%d/%Y", "%H:%M", "Times New Roman", "14"}));
}

TEST_F(NewJournalDialogTest, AnExistingPathIsRefusedAndKeptAndBrowsingChoosesAnother) {
    ASSERT_TRUE(QDir(m_home.path()).mkpath(QStringLiteral("Documents")));
    const std::string taken = documents(QStringLiteral("New Journal.qbk"));
    ASSERT_TRUE(writeFile(QFile::decodeName(taken.c_str()), "keep me"));
    const QString other = m_home.filePath(QStringLiteral("Documents/other"));
    m_modals.then(
        [](QWidget* dialog) { clickButton(dialog, QStringLiteral("Create Journal...")); });
    m_modals.then([](QWidget* box) {
        EXPECT_TRUE(messageText(box).endsWith(QStringLiteral("/New Journal.qbk already exists.")));
        clickButton(box, QStringLiteral("OK"));
    });
    m_modals.then([](QWidget* dialog) {
        activate(dialog);
        EXPECT_EQ(QApplication::focusWidget(), findControl(dialog, Dlg::kBrowseId));
        clickControl(dialog, Dlg::kBrowseId);
    });
    m_modals.then([&other](QWidget* chooser) {
        EXPECT_EQ(chooser->objectName(), QStringLiteral("createJournalAsDialog"));
        auto* name = chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->clear();
        QTest::keyClicks(name, other);
        QTest::keyClick(name, Qt::Key_Return);
    });
    m_modals.then([](QWidget* dialog) {
        EXPECT_TRUE(shownPath(dialog).endsWith(QStringLiteral("/Documents/other.qbk")));
        clickButton(dialog, QStringLiteral("Create Journal..."));
    });
    answerMessage(m_modals, QStringLiteral("Journal Created"));
    trigger(&frame(), QStringLiteral("actionNewJournal"));
    EXPECT_EQ(fileBytes(taken), "keep me");
    EXPECT_EQ(m_app->Document().Path(), documents(QStringLiteral("other.qbk")));
    EXPECT_EQ(rawValue(documents(QStringLiteral("other.qbk")), "SELECT HasPassword FROM Config"),
              "0");
}

class OptionsDialogTest : public AppTest {
protected:
    RawRow config() const {
        return rawQuery(journal.path(),
                        "SELECT Title, Owner, DateFormat, TimeFormat, DefaultFontName, "
                        "DefaultFontSize, PromptForComment, ShowFirstLine, ConfirmEntryMove, "
                        "ConfirmFolderMove FROM Config")[0];
    }
    TestJournal journal;
};

// A journal made elsewhere: formats, a face and a size this dialog does not offer are shown
// and kept; what the user then changes is written back, the title reloading the folder tree.
TEST_F(OptionsDialogTest, StoredValuesOutsideTheChoicesAreKeptAndChangesAreWrittenBack) {
    rawExec(journal.path(), "UPDATE Config SET Title = 'Old', Owner = 'Me', DateFormat = "
                            "'%Y-%m-%d', TimeFormat = '%H:%M:%S', DefaultFontName = 'No Such "
                            "Face Here', DefaultFontSize = 13, PromptForComment = 1, "
                            "ShowFirstLine = 0, ConfirmEntryMove = 1, ConfirmFolderMove = 1");
    ASSERT_NO_FATAL_FAILURE(startWithoutWelcome());
    ASSERT_EQ(m_app->Document().OpenJournal(journal.path()), CQBKDoc::OpenResult::Ok);
    const RawRow before = config();
    m_modals.then([this](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), QStringLiteral("COptionsDlg"));
        EXPECT_EQ(findControl<QLineEdit>(dialog, COptionsDlg::kLocationId)->text(),
                  QFile::decodeName(journal.path().c_str()));
        EXPECT_TRUE(findControl<QLineEdit>(dialog, COptionsDlg::kLocationId)->isReadOnly());
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

    const int reloads = pane(CQBKView::Pane::FolderTree).reloads;
    m_modals.then([](QWidget* dialog) {
        typeInto(dialog, COptionsDlg::kTitleId, QStringLiteral("New title"));
        typeInto(dialog, COptionsDlg::kOwnerId, QString(40, QLatin1Char('o'))); // 30 fit
        pressIn(dialog, SettingsControls::kDateComboId, Qt::Key_Home);          // "7/5/2004"
        pressIn(dialog, SettingsControls::kSizeComboId, Qt::Key_Up); // 12, before the kept 13
        clickControl(dialog, SettingsControls::kNoTimeId);
        for (int id : {COptionsDlg::kPromptId, COptionsDlg::kShowFirstLineId,
                       COptionsDlg::kConfirmEntryMoveId, COptionsDlg::kConfirmFolderMoveId})
            clickControl(dialog, id);
        clickButton(dialog, QStringLiteral("OK"));
    });
    trigger(&frame(), QStringLiteral("actionJournalOptions"));
    EXPECT_EQ(config(), (RawRow{"New title", std::string(30, 'o'), "%m/%d/%Y", "",
                                "No Such Face Here", "12", "0", "1", "0", "0"}));
    EXPECT_EQ(pane(CQBKView::Pane::FolderTree).reloads, reloads + 1);
    EXPECT_EQ(m_app->Document().GetTitle(), "New title");

    // Cancel writes nothing.
    m_modals.then([](QWidget* dialog) {
        typeInto(dialog, COptionsDlg::kTitleId, QStringLiteral("Dropped"));
        clickButton(dialog, QStringLiteral("Cancel"));
    });
    trigger(&frame(), QStringLiteral("actionJournalOptions"));
    EXPECT_EQ(config()[0], "New title");
}

class PasswordDialogTest : public AppTest {
protected:
    static QLineEdit* edit(QWidget* dialog, int id) { return findControl<QLineEdit>(dialog, id); }
};

TEST_F(PasswordDialogTest, WithoutAPasswordTheDialogBecomesSetPassword) {
    CChangePasswordDlg dialog;
    ChangePasswordValues values{"", "", "", false};
    m_modals.then([](QWidget* shown) {
        EXPECT_EQ(shown->windowTitle(), QStringLiteral("Set Password"));
        EXPECT_FALSE(edit(shown, CChangePasswordDlg::kOldPasswordEditId)->isEnabled());
        EXPECT_EQ(findControl<QLabel>(shown, CChangePasswordDlg::kNewPasswordLabelId)->text(),
                  QStringLiteral("New password"));
        EXPECT_EQ(shown->focusWidget(), edit(shown, CChangePasswordDlg::kNewPasswordEditId));
        typeInto(shown, CChangePasswordDlg::kNewPasswordEditId, QStringLiteral("quill"));
        typeInto(shown, CChangePasswordDlg::kConfirmEditId, QStringLiteral("quill"));
        clickButton(shown, QStringLiteral("OK"));
    });
    ASSERT_TRUE(dialog.run(values));
    EXPECT_EQ(values.m_newPassword, "quill");
    EXPECT_EQ(values.m_confirmPassword, "quill");
    EXPECT_EQ(values.m_oldPassword, "");
}

// The File menu's command on a protected journal: a mismatch keeps the dialog open with the new
// password selected; what is typed then reaches the journal.
TEST_F(PasswordDialogTest, ChangePasswordCommandKeepsTheDialogOpenOnAMismatch) {
    setShowWelcome(0);
    TestJournal journal("secret");
    m_modals.then([](QWidget* dialog) {
        EXPECT_EQ(edit(dialog, CPasswordDlg::kPasswordEditId)->echoMode(), QLineEdit::Password);
        typeInto(dialog, CPasswordDlg::kPasswordEditId, QStringLiteral("secret"));
        clickButton(dialog, QStringLiteral("OK"));
    });
    start(quietStart(QFile::decodeName(journal.path().c_str())));
    ASSERT_TRUE(m_app->Document().IsJournalOpen());
    m_modals.then([](QWidget* shown) {
        EXPECT_EQ(shown->windowTitle(), QStringLiteral("Change Password"));
        EXPECT_TRUE(edit(shown, CChangePasswordDlg::kOldPasswordEditId)->isEnabled());
        EXPECT_EQ(findControl<QLabel>(shown, CChangePasswordDlg::kNewPasswordLabelId)->text(),
                  QStringLiteral("New password (leave blank to remove password)"));
        typeInto(shown, CChangePasswordDlg::kOldPasswordEditId, QStringLiteral("secret"));
        typeInto(shown, CChangePasswordDlg::kNewPasswordEditId, QStringLiteral("one"));
        typeInto(shown, CChangePasswordDlg::kConfirmEditId, QStringLiteral("two"));
        clickButton(shown, QStringLiteral("OK"));
    });
    answerMessage(m_modals, QStringLiteral("The new password does not match the password you "
                                           "entered to confirm it.\n Please Re-enter"));
    m_modals.then([](QWidget* shown) {
        QLineEdit* newEdit = edit(shown, CChangePasswordDlg::kNewPasswordEditId);
        EXPECT_EQ(shown->objectName(), QStringLiteral("changePasswordDialog"));
        EXPECT_EQ(shown->focusWidget(), newEdit);
        EXPECT_EQ(newEdit->selectedText(), QStringLiteral("one"));
        typeInto(shown, CChangePasswordDlg::kConfirmEditId, QStringLiteral("one"));
        clickButton(shown, QStringLiteral("OK"));
    });
    answerMessage(m_modals, QStringLiteral("Password Changed"));
    trigger(&frame(), QStringLiteral("actionChangePassword"));
    EXPECT_EQ(m_modals.handled(), 5u);
    EXPECT_EQ(rawValue(journal.path(), "SELECT Password FROM Config"),
              PasswordDigest("one").HexDigest());
}

} // namespace
