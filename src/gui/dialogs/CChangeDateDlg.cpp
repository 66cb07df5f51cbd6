#include "gui/dialogs/CChangeDateDlg.h"

#include "core/dialogs/DialogChecks.h"
#include "gui/dialogs/DialogParts.h"
#include "gui/platform/ControlId.h"
#include "gui/platform/DateField.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimeEdit>
#include <QVBoxLayout>

CChangeDateDlg::CChangeDateDlg(const ChangeDateValues& values, QWidget* parent)
    : QDialog(parent), m_date(new QDateEdit(values.m_date, this)),
      m_time(new QTimeEdit(values.m_time, this)) {
    setObjectName(QStringLiteral("CChangeDateDlg"));
    setWindowTitle(tr("Change Entry Date"));
    setControlId(m_date, kDateId);
    setControlId(m_time, kTimeId);
    m_time->setAccessibleName(tr("Entry time"));
    setUpDateField(m_date, DateFieldParts::Date);
    setUpDateField(m_time, DateFieldParts::Time);
    m_date->setAlignment(Qt::AlignRight);

    auto* row = new QHBoxLayout;
    auto* label = new QLabel(tr("Entry &Date:"), this);
    label->setBuddy(m_date);
    row->addWidget(label);
    row->addWidget(m_date);
    row->addWidget(m_time);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(okCancelRow(this, tr("OK")));
    m_date->setFocus();
}

bool CChangeDateDlg::Run(QWidget* parent, ChangeDateValues& values) {
    CChangeDateDlg dialog(values, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    values = dialog.values();
    return true;
}

ChangeDateValues CChangeDateDlg::values() const {
    ChangeDateValues read;
    read.m_date = m_date->date();
    read.m_time = m_time->time();
    read.m_result = combineDateAndTime(read.m_date, read.m_time);
    return read;
}
