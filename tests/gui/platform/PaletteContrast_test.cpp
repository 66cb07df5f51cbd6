#include "render/PaletteContrast.h"

#include "core/platform/CommandRouter.h"
#include "gui/browser/PaneCaption.h"
#include "gui/editor/CFormatBar.h"
#include "gui/editor/EditorMenus.h"
#include "gui/platform/CaptionBar.h"
#include "gui/platform/CommandActions.h"
#include "support/GuiTest.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStyle>
#include <QStyleFactory>
#include <QToolBar>
#include <QToolButton>
#include <memory>

using namespace PaletteContrast;

namespace {

class PaletteContrastTest : public GuiTest {};

TEST_F(PaletteContrastTest, RatiosFollowTheLuminanceFormula) {
    const struct {
        QColor a, b;
        double ratio;
    } cases[] = {
        {Qt::black, Qt::white, 21.0},
        {Qt::white, Qt::black, 21.0},
        {QColor(0x77, 0x77, 0x77), QColor(0x77, 0x77, 0x77), 1.0},
        {Qt::white, QColor(0x9f, 0x9f, 0x9f), 2.65}, // the old caption band
        {Qt::white, QColor(0xb8, 0xb8, 0xb8), 1.98}, // the old pane titles
        {Qt::white, QColor(0x76, 0x76, 0x76), 4.54}, // the lightest grey that passes
    };
    for (const auto& c : cases)
        EXPECT_NEAR(contrastRatio(c.a, c.b), c.ratio, 0.01) << c.b.name().toStdString();
}

TEST_F(PaletteContrastTest, BandsReadInEveryPalette) {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette highContrast(Qt::white, Qt::black);
    highContrast.setColor(QPalette::WindowText, Qt::white);
    highContrast.setColor(QPalette::Light, Qt::white);
    highContrast.setColor(QPalette::Mid, QColor(0xff, 0xff, 0x00));
    highContrast.setColor(QPalette::Dark, QColor(0x80, 0x80, 0x80));
    const struct {
        const char* name;
        QPalette palette;
        bool dark;
    } palettes[] = {
        {"Fusion light", fusion->standardPalette(), false},
        {"dark", darkPalette(), true},
        {"high contrast", highContrast, true},
    };
    for (const auto& p : palettes) {
        SCOPED_TRACE(p.name);
        EXPECT_EQ(isDark(p.palette), p.dark);
        for (const Band band : {captionBand(p.palette), paneTitleBand(p.palette)})
            EXPECT_GE(contrastRatio(band.background, band.text), kMinimumRatio)
                << band.text.name().toStdString() << " on " << band.background.name().toStdString();
    }
    // The bands keep the palette's own shades; only their text changes.
    EXPECT_EQ(captionBand(fusion->standardPalette()).background,
              fusion->standardPalette().color(QPalette::Dark));
    EXPECT_EQ(paneTitleBand(fusion->standardPalette()).background,
              fusion->standardPalette().color(QPalette::Mid));
}

TEST_F(PaletteContrastTest, ReadableTextPrefersTheCandidatesInOrder) {
    const QColor grey(0x80, 0x80, 0x80);
    EXPECT_EQ(readableOn(Qt::white, {QColor(0xc0, 0, 0), Qt::black}), QColor(0xc0, 0, 0));
    EXPECT_EQ(readableOn(grey, {Qt::white, Qt::black}), QColor(Qt::black)); // white is 3.9:1
    EXPECT_EQ(readableOn(QColor(0x30, 0x30, 0x30), {grey}), QColor(Qt::white));
}

// The desktop switching to dark mode (and back) reaches the band's text as it is drawn.
TEST_F(PaletteContrastTest, CaptionTextReadsAfterEachSwitch) {
    const QPalette saved = QApplication::palette();
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QWidget window;
    auto* caption = new CaptionBar(&window);
    window.show();
    const QLabel* title = caption->findChild<QLabel*>(QStringLiteral("captionText"));
    for (const QPalette& palette : {darkPalette(), fusion->standardPalette()}) {
        QApplication::setPalette(palette);
        QCoreApplication::processEvents();
        const QColor band = caption->palette().color(QPalette::Dark);
        const QColor text = title->palette().color(title->foregroundRole());
        EXPECT_EQ(band, palette.color(QPalette::Dark));
        EXPECT_GE(contrastRatio(text, band), kMinimumRatio) << text.name().toStdString();
    }
    QApplication::setPalette(saved);
}

// Our glyphs in dark ink: nearly all their ink stands out from the bar behind them after each
// switch (the spell glyph's green tick reads on both palettes; its ABC alone must not vanish).
TEST_F(PaletteContrastTest, GlyphsStandOutAfterEachSwitch) {
    const QPalette saved = QApplication::palette();
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    CommandRouter router;
    CommandActions actions(router, nullptr);
    QMainWindow window;
    const QWidget* formatBar = new CFormatBar(actions, &window);
    const QToolBar* toolBar = EditorMenus::buildToolBar(window, actions);
    const auto* caption = new PaneCaption(QStringLiteral("Topics"), 1, new QWidget(&window));
    window.show();
    // Each bar with what holds the icon (an action or a button).
    const std::pair<const QWidget*, const QObject*> glyphs[] = {
        {formatBar, actions.findChild<QAction*>(QStringLiteral("formatBold"))},
        {toolBar, toolBar->findChild<QAction*>(QStringLiteral("editorToolSpell"))},
        {caption, caption->closeButton()},
    };
    for (const QPalette& palette : {darkPalette(), fusion->standardPalette()}) {
        QApplication::setPalette(palette);
        QCoreApplication::processEvents();
        for (const auto& [bar, holder] : glyphs) {
            const QColor background = bar->palette().color(bar->backgroundRole());
            const QImage image = holder->property("icon").value<QIcon>().pixmap(32).toImage();
            int ink = 0;
            int standingOut = 0;
            for (int i = 0; i < image.width() * image.height(); ++i) {
                const QColor pixel = image.pixelColor(i % image.width(), i / image.width());
                ink += pixel.alpha() >= 64;
                standingOut += pixel.alpha() >= 64 && contrastRatio(pixel, background) >= 2.0;
            }
            EXPECT_GT(ink, 20) << holder->objectName().toStdString();
            EXPECT_GE(standingOut * 10, ink * 9)
                << holder->objectName().toStdString() << ": " << standingOut << " of " << ink;
        }
    }
    QApplication::setPalette(saved);
}

} // namespace
