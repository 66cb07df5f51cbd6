#include "gui/platform/CaptionBar.h"
#include "render/PaletteContrast.h"
#include "support/GuiTest.h"

#include <QApplication>
#include <QLabel>
#include <QStyle>
#include <QStyleFactory>
#include <memory>

namespace {

class PaletteFollowTest : public GuiTest {
protected:
    void TearDown() override {
        QApplication::setPalette(m_saved);
        GuiTest::TearDown();
    }

    const QPalette m_saved = QApplication::palette();
};

// The desktop switching to dark mode (and back) reaches the band's text as it shows.
TEST_F(PaletteFollowTest, CaptionTextReadsAfterEachSwitch) {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QWidget window;
    auto* caption = new CaptionBar(&window);
    caption->updateCaption(QStringLiteral("Travel"), QString(), QIcon());
    window.show();
    const QLabel* title = caption->findChild<QLabel*>(QStringLiteral("captionText"));
    for (const QPalette& palette : {PaletteContrast::darkPalette(), fusion->standardPalette()}) {
        QApplication::setPalette(palette);
        QCoreApplication::processEvents();
        const QColor band = caption->palette().color(QPalette::Dark);
        EXPECT_EQ(band, palette.color(QPalette::Dark));
        EXPECT_GE(
            PaletteContrast::contrastRatio(title->palette().color(QPalette::WindowText), band),
            PaletteContrast::kMinimumRatio)
            << title->palette().color(QPalette::WindowText).name().toStdString() << " on "
            << band.name().toStdString();
    }
}

} // namespace
