// Page Setup: the application's twips shown as thousandths of an inch and read back.
#include "gui/app/CMainFrame.h"
#include "gui/app/PageSetup.h"
#include "support/AppTest.h"

#include <QDialog>
#include <QPageLayout>
#include <QPrinter>

namespace {

class PageSetupTest : public AppTest {};

TEST_F(PageSetupTest, MarginsReachThePrinterInInchesAndComeBackAsTwips) {
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    PageSetup::applyMargins(printer, PageMargins{});
    const QMarginsF inches = printer.pageLayout().margins(QPageLayout::Inch);
    EXPECT_DOUBLE_EQ(inches.left(), 1.25);
    EXPECT_DOUBLE_EQ(inches.top(), 1.0);
    EXPECT_EQ(PageSetup::readMargins(printer), PageMargins{});

    // A value the dialog may hold, 0.5 inch, comes back as 720 twips.
    QPageLayout layout = printer.pageLayout();
    layout.setMargins(QMarginsF(0.5, 1.0, 0.75, 2.0));
    printer.setPageLayout(layout);
    EXPECT_EQ(PageSetup::readMargins(printer), (PageMargins{720, 1440, 1080, 2880}));
}

TEST_F(PageSetupTest, CancelledDialogChangesNothing) {
    startWithoutWelcome();
    m_modals.then([](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), QStringLiteral("pageSetupDialog"));
        qobject_cast<QDialog*>(dialog)->reject();
    });
    trigger(&frame(), QStringLiteral("actionPageSetup"));
    EXPECT_EQ(m_app->Margins(), PageMargins{});
}

} // namespace
