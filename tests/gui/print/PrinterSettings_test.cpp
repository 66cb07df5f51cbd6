// The printer last chosen comes back with the next start.
#include "print/PrinterSettings.h"
#include "support/GuiTest.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QSettings>

namespace {

class PrinterSettingsTest : public GuiTest {};

TEST_F(PrinterSettingsTest, PaperAndOrientationComeBackAMissingPrinterDoesNot) {
    QSettings settings;
    {
        QPrinter chosen;
        chosen.setPageSize(QPageSize(QPageSize::A5));
        chosen.setPageOrientation(QPageLayout::Landscape);
        PrinterSettings::save(chosen, settings);
    }
    settings.setValue(QStringLiteral("Printer/Name"), QStringLiteral("no such printer"));
    QPrinter next;
    const QString before = next.printerName();
    PrinterSettings::restore(next, settings);
    EXPECT_EQ(next.pageLayout().pageSize().id(), QPageSize::A5);
    EXPECT_EQ(next.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(next.printerName(), before);

    // Nothing kept: the printer stays as the system made it.
    settings.clear();
    QPrinter fresh;
    const QPageSize::PageSizeId paper = fresh.pageLayout().pageSize().id();
    PrinterSettings::restore(fresh, settings);
    EXPECT_EQ(fresh.pageLayout().pageSize().id(), paper);
    EXPECT_EQ(fresh.pageLayout().orientation(), QPageLayout::Portrait);
}

} // namespace
