// The device-independent image behind the Welcome dialog: its header, row and colour-table
// arithmetic, its palette, and that its pixels come back as they went in.
#include "app/CDibImage.h"
#include "support/GuiTest.h"

#include <cstdint>

namespace {

std::uint32_t field(const CDibImage& image, int offset, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | image.Info()[static_cast<std::size_t>(offset + i)];
    return value;
}

void expectSamePixels(const QImage& a, const QImage& b) {
    ASSERT_EQ(a.size(), b.size());
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            EXPECT_EQ(a.pixel(x, y), b.pixel(x, y)) << x << "," << y;
    }
}

class DibImageTest : public GuiTest {};

TEST_F(DibImageTest, TwoColourImageKeepsItsTableAsPaletteAndItsPixels) {
    QImage source(10, 3, QImage::Format_Mono);
    source.setColorTable({qRgb(250, 240, 230), qRgb(20, 30, 40)});
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 10; ++x)
            source.setPixel(x, y, (x + y) % 3 == 0 ? 1 : 0);
    }
    CDibImage image;
    ASSERT_TRUE(image.FromImage(source));
    EXPECT_EQ(field(image, 0, 4), 40u);
    EXPECT_EQ(image.Width(), 10);
    EXPECT_EQ(image.Height(), 3);
    EXPECT_EQ(field(image, 12, 2), 1u); // planes
    EXPECT_EQ(image.BitsPerPixel(), 1);
    EXPECT_EQ(field(image, 16, 4), 0u); // no compression
    EXPECT_EQ(field(image, 20, 4), 12u);
    EXPECT_EQ(image.Info().size(), 40u + 4 * 2);
    EXPECT_EQ(image.Bits().size(), 12u * 3);
    EXPECT_EQ(image.ColourCount(), 2u);
    ASSERT_TRUE(image.HasPalette());
    EXPECT_EQ(image.Palette(), (QList<QRgb>{qRgb(250, 240, 230), qRgb(20, 30, 40)}));
    // The table is stored blue, green, red, zero.
    EXPECT_EQ(image.Info()[44], 40);
    EXPECT_EQ(image.Info()[45], 30);
    EXPECT_EQ(image.Info()[46], 20);
    EXPECT_EQ(image.Info()[47], 0);
    expectSamePixels(image.ToImage(), source);
    // Bottom row first: the first stored byte holds row 2's pixels 0..7 (x = 1, 4, 7 set).
    EXPECT_EQ(image.Bits()[0], 0b01001001);
}

TEST_F(DibImageTest, EightBitImageGetsAFullTableAndA256EntryPalette) {
    QImage source(5, 2, QImage::Format_Indexed8);
    source.setColorTable({qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)});
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 5; ++x)
            source.setPixel(x, y, static_cast<uint>((x + y) % 3));
    }
    CDibImage image;
    ASSERT_TRUE(image.FromImage(source));
    EXPECT_EQ(image.BitsPerPixel(), 8);
    EXPECT_EQ(image.Info().size(), 40u + 4 * 256);
    EXPECT_EQ(image.Bits().size(), 8u * 2);
    EXPECT_EQ(image.ColourCount(), 256u);
    ASSERT_EQ(image.Palette().size(), 256);
    EXPECT_EQ(image.Palette()[2], qRgb(0, 0, 255));
    EXPECT_EQ(image.Palette()[3], qRgb(0, 0, 0)); // beyond the image's own colours
    expectSamePixels(image.ToImage(), source);
    // Row 1 (stored first) starts with index 1.
    EXPECT_EQ(image.Bits()[0], 1);
}

TEST_F(DibImageTest, TrueColourImageIsKeptAt24BitsWithoutPalette) {
    QImage source(7, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 7; ++x)
            source.setPixel(x, y, qRgb(30 * x, 100 + 50 * y, 7 * x + y));
    }
    CDibImage image;
    ASSERT_TRUE(image.FromImage(source));
    EXPECT_EQ(image.BitsPerPixel(), 24);
    EXPECT_EQ(field(image, 20, 4), 56u);
    EXPECT_EQ(image.Info().size(), 40u);
    EXPECT_EQ(image.Bits().size(), 24u * 2);
    EXPECT_FALSE(image.HasPalette());
    expectSamePixels(image.ToImage(), source);
    // Blue, green, red of the bottom row's first pixel.
    EXPECT_EQ(image.Bits()[0], 1);
    EXPECT_EQ(image.Bits()[1], 150);
    EXPECT_EQ(image.Bits()[2], 0);
}

TEST_F(DibImageTest, LoadingNothingLeavesItEmptyAndAFailedLoadEmptiesIt) {
    CDibImage image;
    EXPECT_FALSE(image.IsLoaded());
    EXPECT_FALSE(image.LoadFromResource(QStringLiteral(":/images/none.svg")));
    ASSERT_TRUE(image.LoadFromResource(QStringLiteral(":/images/splash.svg")));
    EXPECT_EQ(image.Width(), 434);
    EXPECT_EQ(image.Height(), 268);
    EXPECT_FALSE(image.FromImage(QImage()));
    EXPECT_FALSE(image.IsLoaded());
    EXPECT_TRUE(image.Info().empty());
    EXPECT_TRUE(image.ToImage().isNull());
}

} // namespace
