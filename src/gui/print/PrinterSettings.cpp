#include "gui/print/PrinterSettings.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>

namespace {
const QString kName = QStringLiteral("Printer/Name");
const QString kPaper = QStringLiteral("Printer/Paper");
const QString kLandscape = QStringLiteral("Printer/Landscape");
} // namespace

void PrinterSettings::save(const QPrinter& printer, QSettings& settings) {
    settings.setValue(kName, printer.printerName());
    settings.setValue(kPaper, QPageSize::key(printer.pageLayout().pageSize().id()));
    settings.setValue(kLandscape, printer.pageLayout().orientation() == QPageLayout::Landscape);
}

void PrinterSettings::restore(QPrinter& printer, QSettings& settings) {
    const QString name = settings.value(kName).toString();
    if (!name.isEmpty() && !QPrinterInfo::printerInfo(name).isNull())
        printer.setPrinterName(name);
    const QString paper = settings.value(kPaper).toString();
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        if (!paper.isEmpty() && QPageSize::key(static_cast<QPageSize::PageSizeId>(id)) == paper) {
            printer.setPageSize(QPageSize(static_cast<QPageSize::PageSizeId>(id)));
            break;
        }
    }
    if (settings.contains(kLandscape))
        printer.setPageOrientation(settings.value(kLandscape).toBool() ? QPageLayout::Landscape
                                                                       : QPageLayout::Portrait);
}
