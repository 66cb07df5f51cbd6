#include "core/richtext/ModelDump.h"

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
    case Alignment::Justify:
        return "justify";
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

std::string rgb(std::uint32_t color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(color));
    return text;
}

std::string format(const CharFormat& f) {
    std::string out = quoted(f.face) + " " + std::to_string(f.halfPoints);
    out += f.color ? " " + rgb(*f.color) : std::string(" auto");
    out += f.bold ? " bold" : "";
    out += f.italic ? " italic" : "";
    out += f.underline ? " underline" : "";
    static const char* const underlines[] = {"",
                                             "-words",
                                             "-double",
                                             "-dotted",
                                             "-dash",
                                             "-dash-dot",
                                             "-dash-dot-dot",
                                             "-wave",
                                             "-thick",
                                             "-hairline",
                                             "-double-wave",
                                             "-heavy-wave",
                                             "-long-dash",
                                             "-thick-dotted",
                                             "-thick-dash",
                                             "-thick-dash-dot",
                                             "-thick-dash-dot-dot",
                                             "-thick-long-dash"};
    out += underlines[static_cast<size_t>(f.underlineStyle)];
    out += f.strike ? " strike" : "";
    if (f.highlight)
        out += " highlight " + rgb(*f.highlight);
    if (f.background)
        out += " background " + rgb(*f.background);
    out += f.vertical == VerticalPosition::Superscript ? " super"
           : f.vertical == VerticalPosition::Subscript ? " sub"
                                                       : "";
    if (f.offset != 0)
        out += " offset " + std::to_string(f.offset);
    if (!f.field.isEmpty())
        out += " field " + quoted(f.field);
    return out;
}

const char* endName(ParagraphEnd end) {
    switch (end) {
    case ParagraphEnd::Cell:
        return " end-cell";
    case ParagraphEnd::Row:
        return " end-row";
    case ParagraphEnd::Page:
        return " end-page";
    case ParagraphEnd::Paragraph:
        break;
    }
    return "";
}

std::string list(const ListFormat& l) {
    static const char* const levels[] = {"bullet", "body", "continue", "outline"};
    std::string out = std::string(" list ") + levels[static_cast<int>(l.level)];
    if (l.level == ListFormat::Level::Outline || l.outlineLevel != 0)
        out += std::to_string(l.outlineLevel);
    static const char* const styles[] = {"decimal",      "upper-roman",  "lower-roman",
                                         "upper-letter", "lower-letter", "cardinal",
                                         "ordinal",      "ordinal-text"};
    out += std::string(" ") + styles[static_cast<size_t>(l.style)] + " start " +
           std::to_string(l.start) + " indent " + std::to_string(l.indent) + " space " +
           std::to_string(l.space) + " font " + quoted(l.font) + " before " + quoted(l.before) +
           " after " + quoted(l.after);
    if (!l.otherWords.empty())
        out += " " + l.otherWords;
    return out;
}

std::string layout(const ParagraphLayout& l) {
    std::string out;
    const std::pair<const char*, int> numbers[] = {
        {" li ", l.leftIndent},   {" ri ", l.rightIndent}, {" fi ", l.firstIndent},
        {" sb ", l.spaceBefore},  {" sa ", l.spaceAfter},  {" sl ", l.lineSpacing},
        {" ls ", l.listOverride}, {" ilvl ", l.listLevel}, {" table ", l.tableLevel}};
    for (const auto& [name, value] : numbers) {
        if (value != 0)
            out += name + std::to_string(value);
    }
    out += l.lineMultiple ? " multiple" : "";
    if (l.list)
        out += list(*l.list);
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
        out += std::string("paragraph ") + alignmentName(paragraph.alignment) +
               layout(paragraph.layout) + endName(paragraph.end) + "\n";
        if (!paragraph.tableWords.empty())
            out += "  row-words " + paragraph.tableWords + "\n";
        for (const Run& run : paragraph.runs) {
            if (run.image)
                out += "  image " + image(*run.image) + "\n";
            else
                out += "  text " + format(run.format) + " " + quoted(run.text) + "\n";
        }
        out += "  mark " + format(paragraph.mark) + "\n";
    }
    if (!document.listTable.empty())
        out += "list-table " + document.listTable + "\n";
    if (!document.listOverrideTable.empty())
        out += "list-override-table " + document.listOverrideTable + "\n";
    return out;
}

} // namespace richtext
