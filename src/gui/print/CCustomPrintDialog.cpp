#include "gui/print/CCustomPrintDialog.h"

#include "core/print/PrintMessages.h"
#include "gui/platform/ControlId.h"
#include "render/EntryPrintJob.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

CCustomPrintDialog::CCustomPrintDialog(QPrinter* printer, QWidget* parent)
    : QPrintDialog(printer, parent) {
    setObjectName(QStringLiteral("customPrintDialog"));
    setOption(QAbstractPrintDialog::PrintSelection, false);
    setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    setOption(QAbstractPrintDialog::PrintPageRange, true);
    setOption(QAbstractPrintDialog::PrintToFile, true);
    setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    setMinMax(1, EntryPrintJob::kMaxPagesPerEntry);

    auto* tab = new QWidget;
    tab->setWindowTitle(QStringLiteral("Include"));
    auto* group = new QGroupBox(QStringLiteral("Include"), tab);
    m_header = new QCheckBox(QStringLiteral("Date/Time Header"), group);
    m_header->setObjectName(QStringLiteral("dateTimeHeader"));
    setControlId(m_header, kDateTimeHeaderId);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_header);
    auto* tabLayout = new QVBoxLayout(tab);
    tabLayout->addWidget(group);
    tabLayout->addStretch();
    setOptionTabs({tab});
    setWindowTitle(QCoreApplication::translate("PrintMessages", PrintMessages::kPrintDialogTitle));
}

int CCustomPrintDialog::exec() {
    m_header->setChecked(m_bDateTimeHeader);
    // The platform dialog names itself while it opens; ours keeps the journal's title.
    setWindowTitle(QCoreApplication::translate("PrintMessages", PrintMessages::kPrintDialogTitle));
    return QPrintDialog::exec();
}

void CCustomPrintDialog::done(int result) {
    if (result == QDialog::Accepted)
        m_bDateTimeHeader = m_header->isChecked();
    QPrintDialog::done(result);
}
