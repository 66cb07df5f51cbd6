#include "platform/RtfDocumentAdapter.h"

#include "richtext/PlainText.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

#include <QBuffer>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

using namespace richtext;

namespace {

// Image-format properties that carry a picture's file and RTF sizes through the document.
enum ImageProperty {
    kImageData = QTextFormat::UserProperty + 1,
    kImageKind,
    kImageWidthPixels,
    kImageHeightPixels,
    kImageWidthTwips,
    kImageHeightTwips,
};

constexpr double kTwipsPerPixel = 15.0; // 1440 twips an inch at 96 pixels an inch

QTextCharFormat toCharFormat(const CharFormat& format) {
    QTextCharFormat f;
    f.setFontFamilies(QStringList{format.face});
    f.setFontPointSize(format.halfPoints / 2.0);
    if (format.color)
        f.setForeground(QColor(QRgb(*format.color)));
    f.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(format.italic);
    f.setFontUnderline(format.underline);
    f.setFontStrikeOut(format.strike);
    return f;
}

CharFormat fromCharFormat(const QTextCharFormat& f, const QFont& fallback) {
    CharFormat format;
    const QStringList families = f.fontFamilies().toStringList();
    format.face = f.hasProperty(QTextFormat::FontFamilies) && !families.isEmpty()
                      ? families.first()
                      : fallback.family();
    const double points =
        f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : fallback.pointSizeF();
    format.halfPoints = points > 0 ? qRound(points * 2) : kDefaultHalfPoints;
    if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush)
        format.color = f.foreground().color().rgb() & 0xFFFFFF;
    format.bold = f.fontWeight() > QFont::Medium;
    format.italic = f.fontItalic();
    format.underline = f.fontUnderline();
    format.strike = f.fontStrikeOut();
    return format;
}

void insertImage(QTextCursor& cursor, QTextDocument& document, const Image& image, int index) {
    const QUrl name(QStringLiteral("quillbook-image:%1").arg(index));
    document.addResource(
        QTextDocument::ImageResource, name,
        QImage::fromData(image.data, image.kind == Image::Kind::Png ? "PNG" : "JPEG"));
    QTextImageFormat f;
    f.setName(name.toString());
    const double width =
        image.widthTwips > 0 ? image.widthTwips / kTwipsPerPixel : image.widthPixels;
    const double height =
        image.heightTwips > 0 ? image.heightTwips / kTwipsPerPixel : image.heightPixels;
    if (width > 0 && height > 0) {
        f.setWidth(width);
        f.setHeight(height);
    }
    f.setProperty(kImageData, image.data);
    f.setProperty(kImageKind, image.kind == Image::Kind::Png ? 0 : 1);
    f.setProperty(kImageWidthPixels, image.widthPixels);
    f.setProperty(kImageHeightPixels, image.heightPixels);
    f.setProperty(kImageWidthTwips, image.widthTwips);
    f.setProperty(kImageHeightTwips, image.heightTwips);
    cursor.insertImage(f);
}

// A picture of the document: the bytes it came with, or a pasted image encoded as PNG.
Image fromImageFormat(const QTextImageFormat& f, const QTextDocument& document) {
    Image image;
    if (f.hasProperty(kImageData)) {
        image.data = f.property(kImageData).toByteArray();
        image.kind = f.intProperty(kImageKind) == 1 ? Image::Kind::Jpeg : Image::Kind::Png;
        image.widthPixels = f.intProperty(kImageWidthPixels);
        image.heightPixels = f.intProperty(kImageHeightPixels);
        image.widthTwips = f.intProperty(kImageWidthTwips);
        image.heightTwips = f.intProperty(kImageHeightTwips);
        return image;
    }
    const QImage picture =
        document.resource(QTextDocument::ImageResource, QUrl(f.name())).value<QImage>();
    QBuffer buffer(&image.data);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    image.widthPixels = picture.width();
    image.heightPixels = picture.height();
    const double width = f.width() > 0 ? f.width() : picture.width();
    const double height = f.height() > 0 ? f.height() : picture.height();
    image.widthTwips = qRound(width * kTwipsPerPixel);
    image.heightTwips = qRound(height * kTwipsPerPixel);
    return image;
}

Qt::Alignment toQtAlignment(Alignment alignment) {
    switch (alignment) {
    case Alignment::Center:
        return Qt::AlignHCenter;
    case Alignment::Right:
        return Qt::AlignRight;
    case Alignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

Alignment fromQtAlignment(Qt::Alignment alignment) {
    if (alignment & Qt::AlignHCenter)
        return Alignment::Center;
    if (alignment & (Qt::AlignRight | Qt::AlignTrailing))
        return Alignment::Right;
    return Alignment::Left;
}

} // namespace

void RtfDocumentAdapter::toDocument(const RichDocument& model, QTextDocument& document) {
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    int imageIndex = 0;
    bool first = true;
    for (const Paragraph& paragraph : model.paragraphs) {
        QTextBlockFormat block;
        block.setAlignment(toQtAlignment(paragraph.alignment));
        const QTextCharFormat mark = toCharFormat(paragraph.mark);
        if (std::exchange(first, false)) {
            cursor.setBlockFormat(block);
            cursor.setBlockCharFormat(mark);
        } else {
            cursor.insertBlock(block, mark);
        }
        for (const Run& run : paragraph.runs) {
            if (run.image)
                insertImage(cursor, document, *run.image, imageIndex++);
            else
                cursor.insertText(run.text, toCharFormat(run.format));
        }
    }
    cursor.endEditBlock();
}

RichDocument RtfDocumentAdapter::fromDocument(const QTextDocument& document) {
    const QFont fallback = document.defaultFont();
    RichDocument model;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        Paragraph paragraph;
        paragraph.alignment = fromQtAlignment(block.blockFormat().alignment());
        paragraph.mark = fromCharFormat(block.charFormat(), fallback);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat f = fragment.charFormat();
            if (!f.isImageFormat()) {
                appendText(paragraph, fromCharFormat(f, fallback), fragment.text());
                continue;
            }
            // Equal pictures side by side share one fragment: one object character each.
            const Image image = fromImageFormat(f.toImageFormat(), document);
            for (qsizetype i = 0; i < fragment.length(); ++i)
                appendImage(paragraph, image);
        }
        model.paragraphs.push_back(std::move(paragraph));
    }
    return model;
}

void RtfDocumentAdapter::setEntryText(QTextDocument& document, std::string_view storedText) {
    toDocument(RtfReader::isRtf(storedText) ? RtfReader::read(storedText)
                                            : documentFromPlainText(storedText),
               document);
}

std::string RtfDocumentAdapter::entryRtf(const QTextDocument& document) {
    return RtfWriter::write(fromDocument(document));
}
