#pragma once

#include "core/session/PasswordValues.h"

#include <QDialog>

class QLineEdit;

// The password prompt shown when a protected journal is opened.
class CPasswordDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kPasswordEditId = 1006;

    explicit CPasswordDlg(QWidget* parent = nullptr);

    // Shows the dialog modally, always starting with an empty field; on OK the typed text is
    // stored into the values.
    bool run(PasswordValues& values);

private:
    QLineEdit* m_password;
};
