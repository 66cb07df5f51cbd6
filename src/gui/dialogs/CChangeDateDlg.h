#pragma once

#include "core/session/ChangeDateValues.h"

#include <QDialog>

class QDateEdit;
class QTimeEdit;

// Change Entry Date: a day and a time of day for an entry; the result takes the day of the
// one picker and the time of the other. The caller stores it.
class CChangeDateDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kDateId = 1132;
    static constexpr int kTimeId = 1133;

    CChangeDateDlg(const ChangeDateValues& values, QWidget* parent = nullptr);

    static bool Run(QWidget* parent, ChangeDateValues& values);
    ChangeDateValues values() const;

private:
    QDateEdit* m_date;
    QTimeEdit* m_time;
};
