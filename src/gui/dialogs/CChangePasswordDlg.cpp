#include "gui/dialogs/CChangePasswordDlg.h"

#include "core/dialogs/DialogChecks.h"
#include "core/platform/TextEncoding.h"
#include "core/protect/Secrets.h"
#include "gui/dialogs/SecretEdit.h"
#include "gui/platform/ControlId.h"
#include "gui/platform/MessageBoxes.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLineEdit* passwordEdit(QWidget* parent, int id) {
    auto* edit = new QLineEdit(parent);
    edit->setEchoMode(QLineEdit::Password);
    keepSecretOffClipboard(edit);
    setControlId(edit, id);
    return edit;
}
} // namespace

CChangePasswordDlg::CChangePasswordDlg(QWidget* parent)
    : QDialog(parent), m_oldPassword(passwordEdit(this, kOldPasswordEditId)),
      m_newPassword(passwordEdit(this, kNewPasswordEditId)),
      m_confirmPassword(passwordEdit(this, kConfirmEditId)), m_newLabel(new QLabel(this)) {
    setObjectName(QStringLiteral("changePasswordDialog"));
    setControlId(this, 147);
    setControlId(m_newLabel, kNewPasswordLabelId);

    auto* form = new QFormLayout;
    form->addRow(new QLabel(tr("Old password"), this), m_oldPassword);
    form->addRow(m_newLabel, m_newPassword);
    form->addRow(new QLabel(tr("Confirm new password"), this), m_confirmPassword);
    for (QLineEdit* edit : {m_oldPassword, m_confirmPassword})
        static_cast<QLabel*>(form->labelForField(edit))->setBuddy(edit); // names it
    m_newPassword->setAccessibleName(tr("New password"));                // its label's text changes

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    setControlId(buttons->button(QDialogButtonBox::Ok), 1);
    setControlId(buttons->button(QDialogButtonBox::Cancel), 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &CChangePasswordDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

bool CChangePasswordDlg::run(ChangePasswordValues& values) {
    m_oldPassword->setText(storedToText(values.m_oldPassword));
    m_newPassword->setText(storedToText(values.m_newPassword));
    m_confirmPassword->setText(storedToText(values.m_confirmPassword));
    if (values.m_hasPassword) {
        setWindowTitle(tr("Change Password"));
        m_newLabel->setText(tr("New password (leave blank to remove password)"));
        m_oldPassword->setEnabled(true);
        m_oldPassword->setFocus();
    } else {
        setWindowTitle(tr("Set Password"));
        m_newLabel->setText(tr("New password"));
        m_oldPassword->setEnabled(false);
        m_newPassword->setFocus();
    }
    if (exec() != QDialog::Accepted)
        return false;
    // A disabled field cannot have been typed into; it is passed on as it was given.
    if (values.m_hasPassword)
        values.m_oldPassword = takeSecret(m_oldPassword);
    values.m_newPassword = takeSecret(m_newPassword);
    values.m_confirmPassword = takeSecret(m_confirmPassword);
    m_oldPassword->clear();
    return true;
}

void CChangePasswordDlg::accept() {
    ChangePasswordValues typed;
    typed.m_oldPassword = textToStored(m_oldPassword->text());
    typed.m_newPassword = textToStored(m_newPassword->text());
    typed.m_confirmPassword = textToStored(m_confirmPassword->text());
    const std::optional<DialogProblem> problem = checkChangePassword(typed);
    WipeSecret(typed.m_oldPassword);
    WipeSecret(typed.m_newPassword);
    WipeSecret(typed.m_confirmPassword);
    if (problem) {
        showProblem(this, *problem);
        return;
    }
    QDialog::accept();
}
