#include "core/export/OdtStyles.h"

#include "core/export/HtmlWriter.h"

namespace {

using namespace richtext;

QString colorText(std::uint32_t rgb) {
    return QStringLiteral("#%1").arg(rgb & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

QString inches(int twips) {
    return QString::number(twips / 1440.0, 'f', 4) + QStringLiteral("in");
}

// A face name as an attribute value; quotes would end it, and some readers choke on them.
QString faceName(QString face) {
    return HtmlWriter::escaped(face.remove(u'\'').remove(u'"'));
}

QString attribute(const char* name, const QString& value) {
    return QStringLiteral(" %1=\"%2\"").arg(QLatin1String(name), value);
}

const char* underlineStyle(UnderlineStyle style) {
    switch (style) {
    case UnderlineStyle::Dotted:
    case UnderlineStyle::ThickDotted:
        return "dotted";
    case UnderlineStyle::Dash:
    case UnderlineStyle::ThickDash:
        return "dash";
    case UnderlineStyle::LongDash:
    case UnderlineStyle::ThickLongDash:
        return "long-dash";
    case UnderlineStyle::DashDot:
    case UnderlineStyle::ThickDashDot:
        return "dot-dash";
    case UnderlineStyle::DashDotDot:
    case UnderlineStyle::ThickDashDotDot:
        return "dot-dot-dash";
    case UnderlineStyle::Wave:
    case UnderlineStyle::DoubleWave:
    case UnderlineStyle::HeavyWave:
        return "wave";
    default:
        return "solid";
    }
}

const char* numberFormat(ListFormat::Style style) {
    switch (style) {
    case ListFormat::Style::UpperRoman:
        return "I";
    case ListFormat::Style::LowerRoman:
        return "i";
    case ListFormat::Style::UpperLetter:
        return "A";
    case ListFormat::Style::LowerLetter:
        return "a";
    default:
        return "1";
    }
}

QString styleElement(const QString& name, const char* family, const QString& properties) {
    return QStringLiteral("<style:style style:name=\"%1\" style:family=\"%2\"%3>%4</style:style>")
        .arg(name, QLatin1String(family),
             QLatin1String(
                 qstrcmp(family, "paragraph") == 0 ? " style:parent-style-name=\"Standard\"" : ""),
             properties);
}

} // namespace

QString OdtStyles::named(Names& names, char prefix, const QString& properties) {
    const auto [at, added] = names.try_emplace(properties);
    if (added)
        at->second = QLatin1Char(prefix) + QString::number(names.size());
    return at->second;
}

QString OdtStyles::textStyle(const CharFormat& format) {
    QString p;
    if (!format.face.isEmpty()) {
        const QString face = faceName(format.face);
        m_fonts.insert(face);
        p += attribute("style:font-name", face);
    }
    p += attribute("fo:font-size", QString::number(format.halfPoints / 2.0) + QStringLiteral("pt"));
    if (format.color)
        p += attribute("fo:color", colorText(*format.color));
    if (const auto back = format.highlight ? format.highlight : format.background)
        p += attribute("fo:background-color", colorText(*back));
    if (format.bold)
        p += attribute("fo:font-weight", QStringLiteral("bold"));
    if (format.italic)
        p += attribute("fo:font-style", QStringLiteral("italic"));
    if (format.underline) {
        p += attribute("style:text-underline-style",
                       QLatin1String(underlineStyle(format.underlineStyle)));
        p += attribute("style:text-underline-width", QStringLiteral("auto"));
        p += attribute("style:text-underline-color", QStringLiteral("font-color"));
        if (format.underlineStyle == UnderlineStyle::Double)
            p += attribute("style:text-underline-type", QStringLiteral("double"));
    }
    if (format.strike)
        p += attribute("style:text-line-through-style", QStringLiteral("solid"));
    if (format.vertical != VerticalPosition::Baseline)
        p += attribute("style:text-position", format.vertical == VerticalPosition::Superscript
                                                  ? QStringLiteral("super 58%")
                                                  : QStringLiteral("sub 58%"));
    return named(m_text, 'T', QStringLiteral("<style:text-properties%1/>").arg(p));
}

QString OdtStyles::paragraphStyle(const Paragraph& paragraph) {
    QString p;
    if (paragraph.alignment != Alignment::Left) {
        const char* align = paragraph.alignment == Alignment::Center  ? "center"
                            : paragraph.alignment == Alignment::Right ? "end"
                                                                      : "justify";
        p += attribute("fo:text-align", QLatin1String(align));
    }
    const ParagraphLayout& layout = paragraph.layout;
    // A list's own style places its items.
    if (layout.leftIndent && !layout.list)
        p += attribute("fo:margin-left", inches(layout.leftIndent));
    if (layout.rightIndent)
        p += attribute("fo:margin-right", inches(layout.rightIndent));
    if (layout.firstIndent && !layout.list)
        p += attribute("fo:text-indent", inches(layout.firstIndent));
    if (layout.spaceBefore)
        p += attribute("fo:margin-top", inches(layout.spaceBefore));
    if (layout.spaceAfter)
        p += attribute("fo:margin-bottom", inches(layout.spaceAfter));
    if (layout.lineSpacing > 0 && layout.lineMultiple)
        p += attribute("fo:line-height",
                       QString::number(layout.lineSpacing * 100 / 240) + QStringLiteral("%"));
    else if (layout.lineSpacing > 0)
        p += attribute("style:line-height-at-least", inches(layout.lineSpacing));
    else if (layout.lineSpacing < 0)
        p += attribute("fo:line-height", inches(-layout.lineSpacing));
    if (p.isEmpty())
        return QStringLiteral("Standard");
    return named(m_paragraphs, 'P', QStringLiteral("<style:paragraph-properties%1/>").arg(p));
}

QString OdtStyles::listStyle(const ListFormat& list) {
    const QString placement =
        QStringLiteral("<style:list-level-properties text:space-before=\"0.25in\" "
                       "text:min-label-width=\"0.25in\"/>");
    QString level;
    if (list.numbered()) {
        const QString suffix = list.after.isEmpty() ? QStringLiteral(".") : list.after;
        level = QStringLiteral("<text:list-level-style-number text:level=\"1\" "
                               "style:num-format=\"%1\" style:num-suffix=\"%2\" "
                               "text:start-value=\"%3\">%4</text:list-level-style-number>")
                    .arg(QLatin1String(numberFormat(list.style)), HtmlWriter::escaped(suffix),
                         QString::number(std::max(list.start, 1)), placement);
    } else {
        level = QStringLiteral("<text:list-level-style-bullet text:level=\"1\" "
                               "text:bullet-char=\"\u2022\">%1</text:list-level-style-bullet>")
                    .arg(placement);
    }
    return named(m_lists, 'L', level);
}

QString OdtStyles::fontFaces() const {
    QString out = QStringLiteral("<office:font-face-decls>");
    for (const QString& face : m_fonts)
        out += QStringLiteral("<style:font-face style:name=\"%1\" svg:font-family=\"'%1'\"/>")
                   .arg(face);
    return out + QStringLiteral("</office:font-face-decls>");
}

QString OdtStyles::automaticStyles() const {
    QString out = QStringLiteral("<office:automatic-styles>");
    for (const auto& [properties, name] : m_text)
        out += styleElement(name, "text", properties);
    for (const auto& [properties, name] : m_paragraphs)
        out += styleElement(name, "paragraph", properties);
    for (const auto& [level, name] : m_lists)
        out += QStringLiteral("<text:list-style style:name=\"%1\">%2</text:list-style>")
                   .arg(name, level);
    out += styleElement(QLatin1String(kCellStyle), "table-cell",
                        QStringLiteral("<style:table-cell-properties fo:padding=\"0.04in\" "
                                       "fo:border=\"0.5pt solid #000000\"/>"));
    return out + QStringLiteral("</office:automatic-styles>");
}
