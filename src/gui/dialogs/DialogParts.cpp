#include "gui/dialogs/DialogParts.h"

#include "gui/platform/ControlId.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QLineEdit* idEdit(QWidget* parent, int id, int maxChars) {
    auto* edit = new QLineEdit(parent);
    setControlId(edit, id);
    if (maxChars > 0)
        edit->setMaxLength(maxChars);
    return edit;
}

QCheckBox* idCheck(QWidget* parent, const QString& text, int id) {
    auto* box = new QCheckBox(text, parent);
    setControlId(box, id);
    return box;
}

QPushButton* idButton(QWidget* parent, const QString& text, int id) {
    auto* button = new QPushButton(text, parent);
    setControlId(button, id);
    button->setAutoDefault(false);
    return button;
}

QGroupBox* group(QWidget* parent, const QString& title, QLayout* content) {
    auto* box = new QGroupBox(title, parent);
    box->setLayout(content);
    return box;
}

QBoxLayout* okCancelRow(QDialog* dialog, const QString& okText, QPushButton** ok) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    QPushButton* okButton = idButton(dialog, okText, 1);
    okButton->setDefault(true);
    QPushButton* cancel = idButton(dialog, QCoreApplication::translate("DialogParts", "Cancel"), 2);
    QObject::connect(okButton, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    row->addWidget(okButton);
    row->addWidget(cancel);
    if (ok)
        *ok = okButton;
    return row;
}

void nameDayRange(QWidget* first, QWidget* last) {
    first->setAccessibleName(QCoreApplication::translate("DialogParts", "First day"));
    last->setAccessibleName(QCoreApplication::translate("DialogParts", "Last day"));
}

void labelForScreenReaders(QWidget* control, const QString& text) {
    auto* label = new QLabel(text, control->parentWidget());
    label->setBuddy(control);
    label->hide();
}
