#include "richtext/ModelDump.h"

#include <QCryptographicHash>
#include <QList>
#include <cstdio>

namespace richtext {

namespace {

const char* alignmentName(Alignment alignment) {
    switch (alignment) {
    case Alignment::Center:
        return "center";
    case Alignment::Right:
        return "right";
    case Alignment::Left:
        break;
    }
    return "left";
}

std::string quoted(const QString& text) {
    std::string out = "\"";
    for (const char32_t ch : text.toUcs4()) {
        char escape[16];
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += static_cast<char>(ch);
        } else if (ch == '\t') {
            out += "\\t";
        } else if (ch == kLineBreak.unicode()) {
            out += "\\n";
        } else if (ch < 0x20 || (ch >= 0x7F && ch <= 0xA0) || ch == 0xAD || ch == 0xFFFD ||
                   (ch >= 0x2000 && ch <= 0x200F) || (ch >= 0xD800 && ch <= 0xF8FF)) {
            // invisible or easily confused characters are spelled out
            std::snprintf(escape, sizeof escape, "\\u{%04X}", static_cast<unsigned>(ch));
            out += escape;
        } else {
            const char32_t one[] = {ch};
            out += QString::fromUcs4(one, 1).toStdString();
        }
    }
    return out + "\"";
}

std::string format(const CharFormat& f) {
    std::string out = quoted(f.face) + " " + std::to_string(f.halfPoints);
    if (f.color) {
        char rgb[8];
        std::snprintf(rgb, sizeof rgb, "#%06x", static_cast<unsigned>(*f.color));
        out += std::string(" ") + rgb;
    } else {
        out += " auto";
    }
    out += f.bold ? " bold" : "";
    out += f.italic ? " italic" : "";
    out += f.underline ? " underline" : "";
    out += f.strike ? " strike" : "";
    return out;
}

std::string image(const Image& image) {
    const QByteArray md5 = QCryptographicHash::hash(image.data, QCryptographicHash::Md5).toHex();
    return std::string(image.kind == Image::Kind::Png ? "png " : "jpeg ") +
           std::to_string(image.widthPixels) + "x" + std::to_string(image.heightPixels) +
           " pixels " + std::to_string(image.widthTwips) + "x" + std::to_string(image.heightTwips) +
           " twips " + std::to_string(image.data.size()) + " bytes md5 " + md5.toStdString();
}

} // namespace

std::string dumpDocument(const RichDocument& document) {
    std::string out;
    for (const Paragraph& paragraph : document.paragraphs) {
        out += std::string("paragraph ") + alignmentName(paragraph.alignment) + "\n";
        for (const Run& run : paragraph.runs) {
            if (run.image)
                out += "  image " + image(*run.image) + "\n";
            else
                out += "  text " + format(run.format) + " " + quoted(run.text) + "\n";
        }
        out += "  mark " + format(paragraph.mark) + "\n";
    }
    return out;
}

} // namespace richtext
