#pragma once

#include "gui/dialogs/FormDialog.h"

class QLineEdit;

// Insert/Edit Link: the text the link shows and the address it goes to. An empty address
// takes the link off the text.
class LinkDialog : public FormDialog {
    Q_OBJECT

public:
    LinkDialog(const QString& text, const QString& address, QWidget* parent);

    QString text() const;
    // As typed, completed ("example.org" becomes "https://example.org").
    QString address() const;

private:
    QLineEdit* m_text;
    QLineEdit* m_address;
};
