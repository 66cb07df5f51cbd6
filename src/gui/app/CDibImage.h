#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

#include <cstdint>
#include <vector>

class QPainter;

// A device-independent image as the Welcome dialog paints it: a 40-byte bitmap header with its
// colour table, the pixel rows bottom row first, and a palette for images of 8 bits per pixel
// or fewer. Images of more bits per pixel are kept at 24.
class CDibImage {
public:
    static constexpr int kHeaderSize = 40;

    CDibImage() = default;
    virtual ~CDibImage() = default;

    // Loads an image shipped with the program (a resource path); false when there is none.
    bool LoadFromResource(const QString& path);
    // Draws an SVG picture given as its text; false (and empty) when it is not one.
    bool LoadFromSvg(const QByteArray& svg);
    // Takes the pixels of the image; false (and empty) when they cannot be taken.
    bool FromImage(const QImage& image);

    bool IsLoaded() const { return !m_bits.empty(); }
    int Width() const;
    int Height() const;
    int BitsPerPixel() const;
    const std::vector<std::uint8_t>& Bits() const { return m_bits; }
    const std::vector<std::uint8_t>& Info() const { return m_info; }
    // The header's used-colours field, or 2 to the power of the bits per pixel when it is 0.
    std::uint64_t ColourCount() const;
    bool HasPalette() const { return !m_palette.isEmpty(); }
    const QList<QRgb>& Palette() const { return m_palette; }

    // The pixels as an image again (what drawing paints).
    QImage ToImage() const;

    virtual void StretchDraw(QPainter& painter, int x, int y, int width, int height) const;
    virtual void Draw(QPainter& painter, int x, int y) const;

    // Bytes reserved per row: widths are counted at 8 bits per pixel for indexed images (so
    // 1- and 4-bit rows always fit) and at 24 otherwise, rounded up to 4 bytes.
    static int AllocatedRowSize(int width, int bitsPerPixel);
    // Bytes per row of the stored pixels at the header's bits per pixel.
    static int RowStride(int width, int headerBitsPerPixel);
    // Entries of the colour table after the header: 2, 16 or 256 for 1, 4 or 8 bits per pixel.
    static int ColourTableEntries(int bitsPerPixel);
    // The header's image-size field for the bits per pixel the source had.
    static std::uint32_t HeaderImageSize(int width, int height, int sourceBitsPerPixel);

private:
    void Clear();
    std::uint32_t HeaderField(int offset, int size) const;
    void MakePalette();

    std::vector<std::uint8_t> m_info;
    std::vector<std::uint8_t> m_bits;
    QList<QRgb> m_palette;
    QImage m_drawn; // ToImage(), made once per load
};
