#include "core/export/HtmlWriter.h"

#include "core/export/BlockWalker.h"
#include "core/export/LinkMarkup.h"
#include "core/export/WhiteSpace.h"

namespace {

using namespace richtext;

constexpr int kTwipsPerPixel = 15; // 96 pixels an inch

bool allowedInXml(char16_t ch) {
    return ch >= 0x20 || ch == u'\t' || ch == u'\n' || ch == u'\r';
}

QString colorText(std::uint32_t rgb) {
    return QStringLiteral("#%1").arg(rgb & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

const char* underlineStyle(UnderlineStyle style) {
    switch (style) {
    case UnderlineStyle::Double:
        return "double";
    case UnderlineStyle::Dotted:
    case UnderlineStyle::ThickDotted:
        return "dotted";
    case UnderlineStyle::Dash:
    case UnderlineStyle::DashDot:
    case UnderlineStyle::DashDotDot:
    case UnderlineStyle::LongDash:
    case UnderlineStyle::ThickDash:
    case UnderlineStyle::ThickDashDot:
    case UnderlineStyle::ThickDashDotDot:
    case UnderlineStyle::ThickLongDash:
        return "dashed";
    case UnderlineStyle::Wave:
    case UnderlineStyle::DoubleWave:
    case UnderlineStyle::HeavyWave:
        return "wavy";
    default:
        return nullptr;
    }
}

QString runStyle(const CharFormat& format) {
    QString style;
    if (!format.face.isEmpty()) {
        QString face = format.face;
        face.remove(u'\'').remove(u'"');
        style += QStringLiteral("font-family:'%1';").arg(face);
    }
    style += QStringLiteral("font-size:%1pt;").arg(format.halfPoints / 2.0);
    if (format.color)
        style += QStringLiteral("color:%1;").arg(colorText(*format.color));
    if (const auto back = format.highlight ? format.highlight : format.background)
        style += QStringLiteral("background-color:%1;").arg(colorText(*back));
    if (format.underline)
        if (const char* kind = underlineStyle(format.underlineStyle))
            style += QStringLiteral("text-decoration-style:%1;").arg(QLatin1String(kind));
    return style;
}

QString imageTag(const Image& image) {
    const QString type =
        image.kind == Image::Kind::Png ? QStringLiteral("image/png") : QStringLiteral("image/jpeg");
    QString tag = QStringLiteral("<img alt=\"\" src=\"data:%1;base64,%2\"")
                      .arg(type, QString::fromLatin1(image.data.toBase64()));
    if (image.widthTwips > 0 && image.heightTwips > 0)
        tag += QStringLiteral(" width=\"%1\" height=\"%2\"")
                   .arg(image.widthTwips / kTwipsPerPixel)
                   .arg(image.heightTwips / kTwipsPerPixel);
    return tag + QStringLiteral("/>");
}

QString wrapped(const char* tag, const QString& text) {
    return QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), text);
}

// HTML folds a run of white space into one space: a tab is four no-break spaces.
const WhiteSpaceSpelling kHtmlWhiteSpace{
    QStringLiteral("&#160;"), QStringLiteral("&#160;&#160;&#160;&#160;"), QStringLiteral("<br/>")};

QString runHtml(const Run& run, bool& afterSpace) {
    if (run.image) {
        afterSpace = false;
        return imageTag(*run.image);
    }
    QString text = SpelledWhiteSpace(HtmlWriter::escaped(run.text), afterSpace, kHtmlWhiteSpace);
    const CharFormat& format = run.format;
    if (format.vertical == VerticalPosition::Superscript)
        text = wrapped("sup", text);
    else if (format.vertical == VerticalPosition::Subscript)
        text = wrapped("sub", text);
    if (format.strike)
        text = wrapped("s", text);
    if (format.underline)
        text = wrapped("u", text);
    if (format.italic)
        text = wrapped("i", text);
    if (format.bold)
        text = wrapped("b", text);
    return QStringLiteral("<span style=\"%1\">%2</span>").arg(runStyle(format), text);
}

QString runsHtml(const Paragraph& paragraph) {
    QString out;
    LinkMarkup links(QStringLiteral("<a href=\"%1\">"), QStringLiteral("</a>"));
    bool afterSpace = true;
    for (const Run& run : paragraph.runs)
        out += links.before(run.format.field) + runHtml(run, afterSpace);
    out += links.end();
    // An empty paragraph keeps its line, as it does on screen.
    if (paragraph.runs.empty())
        out += QStringLiteral("<br/>");
    return out;
}

QString paragraphStyle(const Paragraph& paragraph) {
    QString style;
    if (paragraph.alignment == Alignment::Center)
        style += QStringLiteral("text-align:center;");
    else if (paragraph.alignment == Alignment::Right)
        style += QStringLiteral("text-align:right;");
    else if (paragraph.alignment == Alignment::Justify)
        style += QStringLiteral("text-align:justify;");
    const ParagraphLayout& layout = paragraph.layout;
    const auto px = [](int twips) { return QString::number(twips / kTwipsPerPixel); };
    if (layout.leftIndent && !layout.list)
        style += QStringLiteral("margin-left:%1px;").arg(px(layout.leftIndent));
    if (layout.rightIndent)
        style += QStringLiteral("margin-right:%1px;").arg(px(layout.rightIndent));
    if (layout.firstIndent && !layout.list)
        style += QStringLiteral("text-indent:%1px;").arg(px(layout.firstIndent));
    if (layout.spaceBefore)
        style += QStringLiteral("margin-top:%1px;").arg(px(layout.spaceBefore));
    if (layout.spaceAfter)
        style += QStringLiteral("margin-bottom:%1px;").arg(px(layout.spaceAfter));
    return style.isEmpty() ? QString() : QStringLiteral(" style=\"%1\"").arg(style);
}

const char* listStyleType(const ListFormat& list) {
    if (!list.numbered())
        return "disc";
    switch (list.style) {
    case ListFormat::Style::UpperRoman:
        return "upper-roman";
    case ListFormat::Style::LowerRoman:
        return "lower-roman";
    case ListFormat::Style::UpperLetter:
        return "upper-alpha";
    case ListFormat::Style::LowerLetter:
        return "lower-alpha";
    default:
        return "decimal";
    }
}

class HtmlBlocks : public BlockWalker {
public:
    QString out;

protected:
    void paragraph(const Paragraph& p) override {
        out += QStringLiteral("<p%1>%2</p>\n").arg(paragraphStyle(p), runsHtml(p));
    }
    void beginList(const ListFormat& list) override {
        m_listTag = list.numbered() ? "ol" : "ul";
        out += QStringLiteral("<%1 style=\"list-style-type:%2\"")
                   .arg(QLatin1String(m_listTag), QLatin1String(listStyleType(list)));
        if (list.numbered() && list.start != 1)
            out += QStringLiteral(" start=\"%1\"").arg(list.start);
        out += QStringLiteral(">\n");
    }
    void listItem(const Paragraph& p) override {
        out += QStringLiteral("<li%1>%2</li>\n").arg(paragraphStyle(p), runsHtml(p));
    }
    void endList() override { out += QStringLiteral("</%1>\n").arg(QLatin1String(m_listTag)); }
    void beginTable() override { out += QStringLiteral("<table>\n"); }
    void beginRow() override { out += QStringLiteral("<tr>"); }
    void beginCell() override { out += QStringLiteral("<td>"); }
    void cellParagraph(const Paragraph& p, bool) override {
        out += QStringLiteral("<p%1>%2</p>").arg(paragraphStyle(p), runsHtml(p));
    }
    void endCell() override { out += QStringLiteral("</td>"); }
    void endRow() override { out += QStringLiteral("</tr>\n"); }
    void endTable() override { out += QStringLiteral("</table>\n"); }

private:
    const char* m_listTag = "ul";
};

QString metaLine(const char* label, const QString& value) {
    return QStringLiteral("<p class=\"meta\"><b>%1:</b> %2</p>\n")
        .arg(HtmlWriter::escaped(HeadingLabel(label)), HtmlWriter::escaped(value));
}

} // namespace

QString HtmlWriter::escaped(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        switch (ch.unicode()) {
        case u'&':
            out += QStringLiteral("&amp;");
            break;
        case u'<':
            out += QStringLiteral("&lt;");
            break;
        case u'>':
            out += QStringLiteral("&gt;");
            break;
        case u'"':
            out += QStringLiteral("&quot;");
            break;
        default:
            if (allowedInXml(ch.unicode()))
                out += ch;
        }
    }
    return out;
}

QString HtmlWriter::body(const RichDocument& document) {
    HtmlBlocks blocks;
    blocks.walk(document);
    return blocks.out;
}

std::string HtmlWriter::begin(const QString& title) {
    const QString t = escaped(title);
    return QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\"/>\n"
                          "<title>%1</title>\n<style>\n"
                          "body { max-width: 50em; margin: 2em auto; }\n"
                          "p { margin: 0; }\n"
                          "ul, ol { margin-top: 0; margin-bottom: 0; }\n"
                          ".entry { margin-bottom: 2em; }\n"
                          ".meta { color: #555555; }\n"
                          ".text { margin-top: 1em; }\n"
                          "table { border-collapse: collapse; }\n"
                          "td { border: 1px solid; padding: 4px; vertical-align: top; }\n"
                          "</style>\n</head>\n<body>\n<h1>%1</h1>\n")
        .arg(t)
        .toStdString();
}

std::string HtmlWriter::entry(const ExportedEntry& entry) {
    QString out = QStringLiteral("<div class=\"entry\">\n<h2>%1</h2>\n").arg(escaped(entry.when));
    for (const auto& [label, value] : HeadingValues(entry))
        out += metaLine(label, value);
    out += QStringLiteral("<div class=\"text\">\n") + body(entry.text) +
           QStringLiteral("</div>\n</div>\n");
    return out.toUtf8().toStdString();
}

std::string HtmlWriter::end() {
    return "</body>\n</html>\n";
}
