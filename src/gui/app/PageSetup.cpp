#include "gui/app/PageSetup.h"

#include "gui/dialogs/DialogParts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPrinter>

#include <cmath>

namespace {
double inches(std::int32_t twips) {
    return twipsToThousandths(twips) / 1000.0;
}
std::int32_t twips(double inches) {
    return thousandthsToTwips(static_cast<std::int32_t>(std::lround(inches * 1000.0)));
}
} // namespace

void PageSetup::applyMargins(QPrinter& printer, const PageMargins& margins) {
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Inch);
    layout.setMinimumMargins(QMarginsF());
    layout.setMargins(QMarginsF(inches(margins.left), inches(margins.top), inches(margins.right),
                                inches(margins.bottom)));
    printer.setPageLayout(layout);
}

PageMargins PageSetup::readMargins(const QPrinter& printer) {
    const QMarginsF margins = printer.pageLayout().margins(QPageLayout::Inch);
    return PageMargins{twips(margins.left()), twips(margins.top()), twips(margins.right()),
                       twips(margins.bottom())};
}

bool PageSetup::run(QWidget* parent, QPrinter& printer, PageMargins& margins) {
    // The dialog works on a copy of the layout, so Cancel leaves the printer as it was.
    const QPageLayout before = printer.pageLayout();
    applyMargins(printer, margins);
    QPageSetupDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("pageSetupDialog"));
    // Qt's dialog shows the unit list without a label.
    if (auto* units = dialog.findChild<QComboBox*>(QStringLiteral("unitCombo")))
        labelForScreenReaders(units, QCoreApplication::translate("PageSetup", "Unit"));
    if (dialog.exec() != QDialog::Accepted) {
        printer.setPageLayout(before);
        return false;
    }
    margins = readMargins(printer);
    return true;
}
