#pragma once

#include "core/session/ChangePasswordValues.h"

#include <QDialog>

class QLabel;
class QLineEdit;

// Sets, changes or removes the journal's password. Without a password the dialog becomes
// "Set Password" and the old-password field is disabled.
class CChangePasswordDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kOldPasswordEditId = 1008;
    static constexpr int kNewPasswordEditId = 1007;
    static constexpr int kConfirmEditId = 1009;
    static constexpr int kNewPasswordLabelId = 1114;

    explicit CChangePasswordDlg(QWidget* parent = nullptr);

    // Shows the dialog modally on the values; OK only closes it when the new password and its
    // confirmation match. On OK the three fields are stored into the values.
    bool run(ChangePasswordValues& values);

    void accept() override;

private:
    QLineEdit* m_oldPassword;
    QLineEdit* m_newPassword;
    QLineEdit* m_confirmPassword;
    QLabel* m_newLabel;
};
