#include "gui/app/CDibImage.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include <cstring>
#include <limits>
#include <new>

namespace {

void put(std::vector<std::uint8_t>& buffer, int offset, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        buffer[static_cast<std::size_t>(offset + i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

} // namespace

int CDibImage::AllocatedRowSize(int width, int bitsPerPixel) {
    const int counted = bitsPerPixel <= 8 ? 8 : 24;
    return ((width * counted + 31) / 32 * 32) / 8;
}

int CDibImage::RowStride(int width, int headerBitsPerPixel) {
    return ((width * headerBitsPerPixel + 31) / 32 * 32) / 8;
}

int CDibImage::ColourTableEntries(int bitsPerPixel) {
    switch (bitsPerPixel) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

std::uint32_t CDibImage::HeaderImageSize(int width, int height, int sourceBitsPerPixel) {
    const std::uint32_t row =
        (static_cast<std::uint32_t>(sourceBitsPerPixel * width + 31) / 8) & ~std::uint32_t{3};
    return row * static_cast<std::uint32_t>(height);
}

bool CDibImage::LoadFromResource(const QString& path) {
    if (path.endsWith(QStringLiteral(".svg"))) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) && LoadFromSvg(file.readAll());
    }
    const QImage image(path);
    return !image.isNull() && FromImage(image);
}

bool CDibImage::LoadFromSvg(const QByteArray& svg) {
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return false;
    QImage image(renderer.defaultSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return FromImage(image);
}

bool CDibImage::FromImage(const QImage& source) {
    Clear();
    if (source.isNull())
        return false;
    QImage image = source;
    int sourceBits = image.depth();
    if (sourceBits == 8 && image.format() != QImage::Format_Indexed8)
        image = image.convertToFormat(QImage::Format_Indexed8);
    if (sourceBits == 1 && image.format() != QImage::Format_Mono)
        image = image.convertToFormat(QImage::Format_Mono);
    const int width = image.width();
    const int height = image.height();
    const int headerBits = sourceBits <= 8 ? sourceBits : 24;
    const int entries = ColourTableEntries(headerBits);
    const int stride = RowStride(width, headerBits);
    const std::size_t allocated =
        static_cast<std::size_t>(AllocatedRowSize(width, sourceBits)) * height;
    if (width <= 0 || height <= 0 || stride > AllocatedRowSize(width, sourceBits) ||
        allocated > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        return false;

    try {
        m_bits.assign(allocated, 0);
        m_info.assign(static_cast<std::size_t>(kHeaderSize + 4 * entries), 0);
    } catch (const std::bad_alloc&) {
        Clear();
        return false;
    }
    put(m_info, 0, kHeaderSize, 4);
    put(m_info, 4, static_cast<std::uint32_t>(width), 4);
    put(m_info, 8, static_cast<std::uint32_t>(height), 4);
    put(m_info, 12, 1, 2);
    put(m_info, 14, static_cast<std::uint32_t>(headerBits), 2);
    put(m_info, 20, HeaderImageSize(width, height, sourceBits), 4);

    const QList<QRgb> table = image.colorTable();
    for (int i = 0; i < entries && i < table.size(); ++i) {
        const QRgb colour = table[i];
        const int at = kHeaderSize + 4 * i;
        m_info[static_cast<std::size_t>(at)] = static_cast<std::uint8_t>(qBlue(colour));
        m_info[static_cast<std::size_t>(at + 1)] = static_cast<std::uint8_t>(qGreen(colour));
        m_info[static_cast<std::size_t>(at + 2)] = static_cast<std::uint8_t>(qRed(colour));
    }

    if (headerBits > 8)
        image = image.convertToFormat(QImage::Format_RGB888);
    const int sourceRowBytes = headerBits > 8 ? width * 3 : RowStride(width, headerBits);
    for (int y = 0; y < height; ++y) {
        // Bottom row first.
        std::uint8_t* row = m_bits.data() + static_cast<std::size_t>(height - 1 - y) * stride;
        const uchar* line = image.constScanLine(y);
        if (headerBits > 8) {
            for (int x = 0; x < width; ++x) {
                row[3 * x] = line[3 * x + 2];
                row[3 * x + 1] = line[3 * x + 1];
                row[3 * x + 2] = line[3 * x];
            }
        } else {
            std::memcpy(row, line,
                        static_cast<std::size_t>(
                            std::min<qsizetype>(sourceRowBytes, image.bytesPerLine())));
        }
    }
    MakePalette();
    m_drawn = ToImage();
    return true;
}

void CDibImage::Clear() {
    m_bits.clear();
    m_info.clear();
    m_palette.clear();
    m_drawn = QImage();
}

std::uint32_t CDibImage::HeaderField(int offset, int size) const {
    if (m_info.size() < static_cast<std::size_t>(kHeaderSize))
        return 0;
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | m_info[static_cast<std::size_t>(offset + i)];
    return value;
}

int CDibImage::Width() const {
    return static_cast<int>(HeaderField(4, 4));
}

int CDibImage::Height() const {
    return static_cast<int>(HeaderField(8, 4));
}

int CDibImage::BitsPerPixel() const {
    return static_cast<int>(HeaderField(14, 2));
}

std::uint64_t CDibImage::ColourCount() const {
    const std::uint32_t used = HeaderField(32, 4);
    if (used != 0)
        return used;
    const int bits = BitsPerPixel();
    return bits >= 63 ? 0 : std::uint64_t{1} << bits;
}

void CDibImage::MakePalette() {
    m_palette.clear();
    if (!IsLoaded() || BitsPerPixel() > 8)
        return;
    const int entries = ColourTableEntries(BitsPerPixel());
    const std::uint64_t count = std::min<std::uint64_t>(ColourCount(), entries);
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::size_t at = kHeaderSize + 4 * i;
        m_palette.append(qRgb(m_info[at + 2], m_info[at + 1], m_info[at]));
    }
}

QImage CDibImage::ToImage() const {
    if (!IsLoaded())
        return {};
    const int width = Width();
    const int height = Height();
    const int bits = BitsPerPixel();
    const int stride = RowStride(width, bits);
    const QImage::Format format = bits == 1   ? QImage::Format_Mono
                                  : bits == 8 ? QImage::Format_Indexed8
                                              : QImage::Format_RGB888;
    QImage image(width, height, format);
    if (bits <= 8)
        image.setColorTable(m_palette);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = m_bits.data() + static_cast<std::size_t>(height - 1 - y) * stride;
        uchar* line = image.scanLine(y);
        if (bits > 8) {
            for (int x = 0; x < width; ++x) {
                line[3 * x] = row[3 * x + 2];
                line[3 * x + 1] = row[3 * x + 1];
                line[3 * x + 2] = row[3 * x];
            }
        } else {
            std::memcpy(
                line, row,
                static_cast<std::size_t>(std::min<qsizetype>(stride, image.bytesPerLine())));
        }
    }
    return image;
}

void CDibImage::StretchDraw(QPainter& painter, int x, int y, int width, int height) const {
    if (!IsLoaded())
        return;
    painter.drawImage(QRect(x, y, width, height), m_drawn);
}

void CDibImage::Draw(QPainter& painter, int x, int y) const {
    StretchDraw(painter, x, y, Width(), Height());
}
