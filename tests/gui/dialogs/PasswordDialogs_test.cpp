// The password prompt and the Change Password dialog, alone and through the journal's command.
#include "app/CMainFrame.h"
#include "dialogs/CChangePasswordDlg.h"
#include "dialogs/CPasswordDlg.h"
#include "platform/ControlId.h"
#include "protect/PasswordDigest.h"
#include "store/CQBKDoc.h"
#include "support/AppTest.h"
#include "support/RawSqlite.h"
#include "support/TestJournal.h"

#include <QLabel>
#include <QLineEdit>

namespace {

class PasswordDialogTest : public AppTest {
protected:
    static QLineEdit* edit(QWidget* dialog, int id) { return findControl<QLineEdit>(dialog, id); }
};

TEST_F(PasswordDialogTest, WithoutAPasswordTheDialogBecomesSetPassword) {
    CChangePasswordDlg dialog;
    ChangePasswordValues values;
    values.m_hasPassword = false;
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
    m_modals.then([](QWidget* box) {
        EXPECT_EQ(messageText(box), QStringLiteral("The new password does not match the password "
                                                   "you entered to confirm it.\n Please Re-enter"));
        clickButton(box, QStringLiteral("OK"));
    });
    m_modals.then([](QWidget* shown) {
        QLineEdit* newEdit = edit(shown, CChangePasswordDlg::kNewPasswordEditId);
        EXPECT_EQ(shown->objectName(), QStringLiteral("changePasswordDialog"));
        EXPECT_EQ(shown->focusWidget(), newEdit);
        EXPECT_EQ(newEdit->selectedText(), QStringLiteral("one"));
        typeInto(shown, CChangePasswordDlg::kConfirmEditId, QStringLiteral("one"));
        clickButton(shown, QStringLiteral("OK"));
    });
    m_modals.then([](QWidget* box) {
        EXPECT_EQ(messageText(box), QStringLiteral("Password Changed"));
        clickButton(box, QStringLiteral("OK"));
    });
    trigger(&frame(), QStringLiteral("actionChangePassword"));
    EXPECT_EQ(m_modals.handled(), 5u);
    EXPECT_EQ(rawValue(journal.path(), "SELECT Password FROM Config"),
              PasswordDigest("one").HexDigest());
}

} // namespace
