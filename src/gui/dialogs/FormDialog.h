#pragma once

#include "core/dialogs/DialogChecks.h"

#include <QDialog>

#include <functional>
#include <optional>

class QFormLayout;

// A dialog of labelled fields with OK and Cancel whose OK runs a check first; a problem is
// shown and keeps the dialog open with the focus on the control it names.
class FormDialog : public QDialog {
    Q_OBJECT

public:
    using Check = std::function<std::optional<DialogProblem>()>;

    FormDialog(const QString& title, QWidget* parent);

    QFormLayout* form() const { return m_form; }
    void setCheck(Check check) { m_check = std::move(check); }

    void accept() override;

private:
    QFormLayout* m_form;
    Check m_check;
};
