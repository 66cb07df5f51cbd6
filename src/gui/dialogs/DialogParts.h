#pragma once

#include <QString>

class QBoxLayout;
class QCheckBox;
class QDialog;
class QGroupBox;
class QLayout;
class QLineEdit;
class QPushButton;
class QWidget;

// Small pieces the journal dialogs are built from; each control carries its id.

QLineEdit* idEdit(QWidget* parent, int id, int maxChars = 0);
QCheckBox* idCheck(QWidget* parent, const QString& text, int id);
QPushButton* idButton(QWidget* parent, const QString& text, int id);
// A titled group around the layout.
QGroupBox* group(QWidget* parent, const QString& title, QLayout* content);
// Two day fields side by side under one title: each gets a name saying which end of the
// range it is, which a screen reader would not learn from the title.
void nameDayRange(QWidget* first, QWidget* last);
// A label only a screen reader meets, for a control shown without one: on Linux it names the
// control (a list box's own name is always the item it shows).
void labelForScreenReaders(QWidget* control, const QString& text);
// The dialog's OK (default) and Cancel buttons, right-aligned; OK runs the dialog's accept().
QBoxLayout* okCancelRow(QDialog* dialog, const QString& okText, QPushButton** ok = nullptr);
