// The device-independent image behind the Welcome dialog: its header, row and colour-table
// arithmetic, its palette, and that its pixels come back as they went in.
#include "gui/app/CDibImage.h"
#include "support/GuiTest.h"

#include <algorithm>
#include <cstdint>

namespace {

std::uint32_t field(const CDibImage& image, int offset, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | image.Info()[static_cast<std::size_t>(offset + i)];
    return value;
}

class DibImageTest : public GuiTest {};

// Each depth: the header's fields, the colour table (stored blue, green, red, zero) as the
// palette, rows padded and stored bottom first, and the pixels back as they went in.
TEST_F(DibImageTest, EachDepthKeepsItsHeaderTableRowsAndPixels) {
    QImage mono(10, 3, QImage::Format_Mono);
    mono.setColorTable({qRgb(250, 240, 230), qRgb(20, 30, 40)});
    QImage indexed(5, 2, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)});
    QImage rgb(7, 2, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 10; ++x) {
            mono.setPixel(x, y, (x + y) % 3 == 0 ? 1 : 0);
            if (x < 5 && y < 2)
                indexed.setPixel(x, y, static_cast<uint>((x + y) % 3));
            if (x < 7 && y < 2)
                rgb.setPixel(x, y, qRgb(30 * x, 100 + 50 * y, 7 * x + y));
        }
    }
    QList<QRgb> full(256, qRgb(0, 0, 0)); // beyond the image's own colours
    std::copy_n(indexed.colorTable().begin(), 3, full.begin());
    struct Case {
        const QImage& source;
        std::vector<std::uint32_t> header; // size, planes, bits, compression, image size
        std::size_t infoSize;
        std::size_t bitsSize;
        QList<QRgb> palette;
        std::vector<std::uint8_t> firstBytes;
    };
    const Case cases[] = {
        // Row 2's pixels 0..7 first: x = 1, 4, 7 set.
        {mono, {40, 1, 1, 0, 12}, 40 + 4 * 2, 12 * 3, mono.colorTable(), {0b01001001}},
        {indexed, {40, 1, 8, 0, 16}, 40 + 4 * 256, 8 * 2, full, {1}},
        {rgb, {40, 1, 24, 0, 56}, 40, 24 * 2, {}, {1, 150, 0}}, // blue, green, red
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source.depth());
        CDibImage image;
        ASSERT_TRUE(image.FromImage(c.source));
        EXPECT_EQ((std::vector<std::uint32_t>{field(image, 0, 4), field(image, 12, 2),
                                              field(image, 14, 2), field(image, 16, 4),
                                              field(image, 20, 4)}),
                  c.header);
        EXPECT_EQ(QSize(image.Width(), image.Height()), c.source.size());
        EXPECT_EQ(image.Info().size(), c.infoSize);
        EXPECT_EQ(image.Bits().size(), c.bitsSize);
        EXPECT_EQ(image.Palette(), c.palette);
        for (qsizetype i = 0; i < c.palette.size(); ++i) {
            const std::size_t at = 40 + 4 * static_cast<std::size_t>(i);
            EXPECT_EQ(qRgb(image.Info()[at + 2], image.Info()[at + 1], image.Info()[at]),
                      c.palette[i]);
            EXPECT_EQ(image.Info()[at + 3], 0);
        }
        if (!c.palette.isEmpty()) {
            EXPECT_EQ(image.ColourCount(), static_cast<std::uint64_t>(c.palette.size()));
        }
        EXPECT_TRUE(std::equal(c.firstBytes.begin(), c.firstBytes.end(), image.Bits().begin()));
        EXPECT_EQ(image.ToImage().convertToFormat(QImage::Format_RGB32),
                  c.source.convertToFormat(QImage::Format_RGB32));
    }
}

TEST_F(DibImageTest, LoadingNothingLeavesItEmptyAndAFailedLoadEmptiesIt) {
    CDibImage image;
    EXPECT_FALSE(image.IsLoaded());
    EXPECT_FALSE(image.LoadFromResource(QStringLiteral(":/images/none.svg")));
    ASSERT_TRUE(image.LoadFromResource(QStringLiteral(":/images/splash.svg")));
    EXPECT_EQ(QSize(image.Width(), image.Height()), QSize(434, 268));
    EXPECT_FALSE(image.FromImage(QImage()));
    EXPECT_FALSE(image.IsLoaded());
    EXPECT_TRUE(image.Info().empty());
    EXPECT_TRUE(image.ToImage().isNull());
}

} // namespace
