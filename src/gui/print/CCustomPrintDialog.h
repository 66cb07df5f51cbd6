#pragma once

#include <QPrintDialog>

class QCheckBox;

// The print dialog of every entry print: the platform's print dialog with one more option,
// "Date/Time Header" (on at first), on a tab of its own, and the title "Print Journal".
class CCustomPrintDialog : public QPrintDialog {
    Q_OBJECT

public:
    static constexpr int kDateTimeHeaderId = 1102;

    explicit CCustomPrintDialog(QPrinter* printer, QWidget* parent = nullptr);

    // The option as the dialog was left; set before showing to start from another value.
    bool m_bDateTimeHeader = true;

    int exec() override;
    void done(int result) override;

private:
    QCheckBox* m_header;
};
