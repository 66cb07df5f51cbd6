#include "render/PictureImport.h"

#include "core/editor/PictureRules.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

using richtext::Image;

namespace {

PictureImport refused(const QString& problem) {
    return {std::nullopt, problem};
}

PictureImport accepted(Image::Kind kind, QByteArray data, QSize pixels) {
    if (const auto problem = PictureRules::refusal(data.size(), pixels))
        return refused(*problem);
    Image image;
    image.kind = kind;
    image.data = std::move(data);
    image.widthPixels = pixels.width();
    image.heightPixels = pixels.height();
    const QSize twips = PictureRules::insertedTwips(pixels);
    image.widthTwips = twips.width();
    image.heightTwips = twips.height();
    return {std::move(image), {}};
}

} // namespace

PictureImport PictureImport::fromFile(const QString& path) {
    QFile file(path);
    const QString name = QFileInfo(path).fileName();
    // Refused before it is read: a huge file is never loaded whole.
    if (const auto problem = PictureRules::refusal(file.size(), QSize(1, 1)))
        return refused(*problem);
    if (!file.open(QIODevice::ReadOnly))
        return refused(PictureRules::unreadable(name));
    return fromBytes(file.readAll(), name);
}

PictureImport PictureImport::fromBytes(const QByteArray& bytes, const QString& name) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    const QSize pixels = reader.size();
    if (format.isEmpty())
        return refused(PictureRules::unreadable(name));
    // Its size is checked before it is decoded: decoding is what takes the memory.
    if (const auto problem =
            PictureRules::refusal(bytes.size(), pixels.isValid() ? pixels : QSize(1, 1)))
        return refused(*problem);
    const QImage image = reader.read();
    if (image.isNull())
        return refused(PictureRules::unreadable(name));
    if (!PictureRules::keptAsIs(format))
        return fromImage(image);
    const Image::Kind kind = format == "png" ? Image::Kind::Png : Image::Kind::Jpeg;
    return accepted(kind, bytes, image.size());
}

PictureImport PictureImport::fromImage(const QImage& image) {
    if (const auto problem = PictureRules::refusal(0, image.size()))
        return refused(*problem);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return accepted(Image::Kind::Png, std::move(png), image.size());
}
