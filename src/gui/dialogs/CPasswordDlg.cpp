#include "gui/dialogs/CPasswordDlg.h"

#include "gui/dialogs/SecretEdit.h"
#include "gui/platform/ControlId.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CPasswordDlg::CPasswordDlg(QWidget* parent) : QDialog(parent), m_password(new QLineEdit(this)) {
    setWindowTitle(tr("Password"));
    setObjectName(QStringLiteral("passwordDialog"));
    setControlId(this, 146);
    m_password->setEchoMode(QLineEdit::Password);
    keepSecretOffClipboard(m_password);
    setControlId(m_password, kPasswordEditId);

    auto* form = new QFormLayout;
    auto* label = new QLabel(tr("&Password:"), this);
    label->setBuddy(m_password);
    form->addRow(label, m_password);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    setControlId(buttons->button(QDialogButtonBox::Ok), 1);
    setControlId(buttons->button(QDialogButtonBox::Cancel), 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("This journal is password protected."), this));
    layout->addLayout(form);
    layout->addWidget(buttons);
}

bool CPasswordDlg::run(PasswordValues& values) {
    m_password->clear();
    m_password->setFocus();
    if (exec() != QDialog::Accepted)
        return false;
    values.m_password = takeSecret(m_password);
    return true;
}
