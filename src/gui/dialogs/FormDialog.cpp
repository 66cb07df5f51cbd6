#include "gui/dialogs/FormDialog.h"

#include "gui/platform/ControlId.h"
#include "gui/platform/MessageBoxes.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

FormDialog::FormDialog(const QString& title, QWidget* parent)
    : QDialog(parent), m_form(new QFormLayout) {
    setWindowTitle(title);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    setControlId(buttons->button(QDialogButtonBox::Ok), 1);
    setControlId(buttons->button(QDialogButtonBox::Cancel), 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &FormDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_form);
    layout->addWidget(buttons);
}

void FormDialog::accept() {
    if (m_check) {
        if (const std::optional<DialogProblem> problem = m_check()) {
            showProblem(this, *problem);
            return;
        }
    }
    QDialog::accept();
}
