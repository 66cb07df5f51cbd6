#include "export/HtmlWriter.h"

namespace {

using namespace richtext;

constexpr int kTwipsPerPixel = 15; // 96 pixels an inch

bool allowedInXml(char16_t ch) {
    return ch >= 0x20 || ch == u'\t' || ch == u'\n' || ch == u'\r';
}

QString colorText(std::uint32_t rgb) {
    return QStringLiteral("#%1").arg(rgb & 0xFFFFFF, 6, 16, QLatin1Char('0'));
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

QString runHtml(const Run& run) {
    if (run.image)
        return imageTag(*run.image);
    QString text = HtmlWriter::escaped(run.text);
    text.replace(kLineBreak, QStringLiteral("<br/>"));
    const CharFormat& format = run.format;
    if (format.strike)
        text = QStringLiteral("<s>") + text + QStringLiteral("</s>");
    if (format.underline)
        text = QStringLiteral("<u>") + text + QStringLiteral("</u>");
    if (format.italic)
        text = QStringLiteral("<i>") + text + QStringLiteral("</i>");
    if (format.bold)
        text = QStringLiteral("<b>") + text + QStringLiteral("</b>");
    return QStringLiteral("<span style=\"%1\">%2</span>").arg(runStyle(format), text);
}

// Alignments without a style here (left, and any the model learns later) show as left.
const char* alignmentStyle(Alignment alignment) {
    if (alignment == Alignment::Center)
        return " style=\"text-align:center\"";
    if (alignment == Alignment::Right)
        return " style=\"text-align:right\"";
    return "";
}

QString metaLine(const char* label, const QString& value) {
    return QStringLiteral("<p class=\"meta\"><b>%1:</b> %2</p>\n")
        .arg(QLatin1String(label), HtmlWriter::escaped(value));
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
    QString out;
    for (const Paragraph& paragraph : document.paragraphs) {
        out += QStringLiteral("<p") + QLatin1String(alignmentStyle(paragraph.alignment)) + u'>';
        for (const Run& run : paragraph.runs)
            out += runHtml(run);
        // An empty paragraph keeps its line, as it does on screen.
        if (paragraph.runs.empty())
            out += QStringLiteral("<br/>");
        out += QStringLiteral("</p>\n");
    }
    return out;
}

std::string HtmlWriter::begin(const QString& title) {
    const QString t = escaped(title);
    return QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\"/>\n"
                          "<title>%1</title>\n<style>\n"
                          "body { max-width: 50em; margin: 2em auto; }\n"
                          "p { margin: 0; }\n"
                          ".entry { margin-bottom: 2em; }\n"
                          ".meta { color: #555555; }\n"
                          ".text { margin-top: 1em; white-space: pre-wrap; }\n"
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
