#pragma once

#include <QString>

class QDialog;
class QPushButton;
class QVBoxLayout;
class QWidget;

// The layout both topic dialogs share: the list on the left, a column of buttons on the
// right, added from the top. The widgets belong to the dialog.
class TopicDialogLayout {
public:
    TopicDialogLayout(QDialog* dialog, QWidget* list);

    // A button carrying the control id; it presses on Enter only when made the default.
    QPushButton* button(const QString& text, int controlId);
    void space();
    void stretch();

private:
    QDialog* m_dialog;
    QVBoxLayout* m_buttons;
};
