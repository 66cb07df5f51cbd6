#include "render/RtfTextFormats.h"

#include <QColor>
#include <QStringList>

#include <algorithm>

using namespace richtext;

namespace RtfTextFormats {

namespace {

// Takes what the document shows now where it differs from how the carried value was shown.
template <typename T> void keepUnlessChanged(T& result, const T& shownNow, const T& shownThen) {
    if (!(shownNow == shownThen))
        result = shownNow;
}

QTextCharFormat::UnderlineStyle toQtUnderline(UnderlineStyle style) {
    switch (style) {
    case UnderlineStyle::Dotted:
    case UnderlineStyle::ThickDotted:
        return QTextCharFormat::DotLine;
    case UnderlineStyle::Dash:
    case UnderlineStyle::ThickDash:
    case UnderlineStyle::LongDash:
    case UnderlineStyle::ThickLongDash:
        return QTextCharFormat::DashUnderline;
    case UnderlineStyle::DashDot:
    case UnderlineStyle::ThickDashDot:
        return QTextCharFormat::DashDotLine;
    case UnderlineStyle::DashDotDot:
    case UnderlineStyle::ThickDashDotDot:
        return QTextCharFormat::DashDotDotLine;
    case UnderlineStyle::Wave:
    case UnderlineStyle::DoubleWave:
    case UnderlineStyle::HeavyWave:
        return QTextCharFormat::WaveUnderline;
    default:
        return QTextCharFormat::SingleUnderline;
    }
}

UnderlineStyle fromQtUnderline(QTextCharFormat::UnderlineStyle style) {
    switch (style) {
    case QTextCharFormat::DotLine:
        return UnderlineStyle::Dotted;
    case QTextCharFormat::DashUnderline:
        return UnderlineStyle::Dash;
    case QTextCharFormat::DashDotLine:
        return UnderlineStyle::DashDot;
    case QTextCharFormat::DashDotDotLine:
        return UnderlineStyle::DashDotDot;
    case QTextCharFormat::WaveUnderline:
    case QTextCharFormat::SpellCheckUnderline:
        return UnderlineStyle::Wave;
    default:
        return UnderlineStyle::Single;
    }
}

std::optional<std::uint32_t> brushColor(const QTextFormat& f, int property) {
    if (!f.hasProperty(property) || f.brushProperty(property).style() == Qt::NoBrush)
        return std::nullopt;
    return f.brushProperty(property).color().rgb() & 0xFFFFFF;
}

// A field instruction's quoted part doubles its backslashes and cannot hold a quote.
QString linkField(QString address) {
    address.replace(u'\\', QLatin1StringView("\\\\")).replace(u'"', QLatin1StringView("%22"));
    return QStringLiteral("HYPERLINK \"%1\"").arg(address);
}

// The model format as far as the document shows it.
CharFormat shownChar(const QTextCharFormat& f, const QFont& fallback) {
    CharFormat format;
    const QStringList families = f.fontFamilies().toStringList();
    format.face = f.hasProperty(QTextFormat::FontFamilies) && !families.isEmpty()
                      ? families.first()
                      : fallback.family();
    const double points =
        f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : fallback.pointSizeF();
    format.halfPoints = points > 0 ? qRound(points * 2) : kDefaultHalfPoints;
    format.color = brushColor(f, QTextFormat::ForegroundBrush);
    format.highlight = brushColor(f, QTextFormat::BackgroundBrush);
    format.bold = f.fontWeight() > QFont::Medium;
    format.italic = f.fontItalic();
    const auto underline = f.underlineStyle();
    format.underline = underline != QTextCharFormat::NoUnderline || f.fontUnderline();
    format.underlineStyle = format.underline ? fromQtUnderline(underline) : UnderlineStyle::Single;
    format.strike = f.fontStrikeOut();
    switch (f.verticalAlignment()) {
    case QTextCharFormat::AlignSuperScript:
        format.vertical = VerticalPosition::Superscript;
        break;
    case QTextCharFormat::AlignSubScript:
        format.vertical = VerticalPosition::Subscript;
        break;
    default:
        break;
    }
    if (f.isAnchor() && !f.anchorHref().isEmpty())
        format.field = linkField(f.anchorHref());
    return format;
}

Alignment fromQtAlignment(Qt::Alignment alignment) {
    if (alignment & Qt::AlignJustify)
        return Alignment::Justify;
    if (alignment & Qt::AlignHCenter)
        return Alignment::Center;
    if (alignment & (Qt::AlignRight | Qt::AlignTrailing))
        return Alignment::Right;
    return Alignment::Left;
}

int toTwips(double pixels) {
    return qRound(pixels * kTwipsPerPixel);
}

// The paragraph as far as the block format shows it.
Paragraph shownParagraph(const QTextBlockFormat& f) {
    Paragraph p;
    p.alignment = fromQtAlignment(f.alignment());
    p.layout.leftIndent = toTwips(f.leftMargin());
    p.layout.rightIndent = toTwips(f.rightMargin());
    p.layout.firstIndent = toTwips(f.textIndent());
    p.layout.spaceBefore = toTwips(f.topMargin());
    p.layout.spaceAfter = toTwips(f.bottomMargin());
    switch (f.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
        p.layout.lineSpacing = qRound(f.lineHeight() * 240 / 100);
        p.layout.lineMultiple = true;
        break;
    case QTextBlockFormat::MinimumHeight:
        p.layout.lineSpacing = toTwips(f.lineHeight());
        break;
    case QTextBlockFormat::FixedHeight:
        p.layout.lineSpacing = -toTwips(f.lineHeight());
        break;
    default:
        break;
    }
    if (f.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysAfter)
        p.end = ParagraphEnd::Page;
    return p;
}

ListFormat shownList(const QTextListFormat& f) {
    ListFormat list;
    // The text a quarter inch after the bullet or number, where the Windows control puts it.
    list.indent = 360;
    switch (f.style()) {
    case QTextListFormat::ListDecimal:
        list.style = ListFormat::Style::Decimal;
        break;
    case QTextListFormat::ListLowerAlpha:
        list.style = ListFormat::Style::LowerLetter;
        break;
    case QTextListFormat::ListUpperAlpha:
        list.style = ListFormat::Style::UpperLetter;
        break;
    case QTextListFormat::ListLowerRoman:
        list.style = ListFormat::Style::LowerRoman;
        break;
    case QTextListFormat::ListUpperRoman:
        list.style = ListFormat::Style::UpperRoman;
        break;
    default:
        // A bullet as the Windows control writes one: a middle dot in the Symbol font.
        list.level = ListFormat::Level::Bullet;
        list.font = QStringLiteral("Symbol");
        list.before = QStringLiteral(u"\u00b7");
        return list;
    }
    list.level = ListFormat::Level::Body;
    list.before = f.numberPrefix();
    // A list made in the editor has no suffix set and shows the document's default, a full stop.
    list.after =
        f.hasProperty(QTextFormat::ListNumberSuffix) ? f.numberSuffix() : QStringLiteral(".");
    return list;
}

} // namespace

QTextCharFormat toCharFormat(const CharFormat& format) {
    QTextCharFormat f;
    f.setFontFamilies(QStringList{format.face});
    f.setFontPointSize(format.halfPoints / 2.0);
    if (format.color)
        f.setForeground(QColor(QRgb(*format.color)));
    if (const auto background = format.highlight ? format.highlight : format.background)
        f.setBackground(QColor(QRgb(*background)));
    f.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(format.italic);
    f.setUnderlineStyle(format.underline ? toQtUnderline(format.underlineStyle)
                                         : QTextCharFormat::NoUnderline);
    f.setFontStrikeOut(format.strike);
    if (format.vertical == VerticalPosition::Superscript)
        f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (format.vertical == VerticalPosition::Subscript)
        f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    else if (format.offset != 0 && format.halfPoints > 0)
        f.setBaselineOffset(100.0 * format.offset / format.halfPoints);
    if (format.field.startsWith(QLatin1StringView("HYPERLINK"))) {
        // The address is the instruction's first quoted part.
        const QStringList parts = format.field.split(u'"');
        f.setAnchor(true);
        f.setAnchorHref(parts.value(1).replace(QLatin1StringView("\\\\"), QLatin1StringView("\\")));
        // Shown as a link, as the Windows control shows one, unless it has its own colour.
        if (!format.color)
            f.setForeground(QColor(Qt::blue));
        if (!format.underline)
            f.setUnderlineStyle(QTextCharFormat::SingleUnderline);
    }
    f.setProperty(kCarriedChar, QVariant::fromValue(format));
    return f;
}

CharFormat fromCharFormat(const QTextCharFormat& f, const QFont& fallback) {
    const CharFormat now = shownChar(f, fallback);
    if (!f.hasProperty(kCarriedChar))
        return now;
    CharFormat result = f.property(kCarriedChar).value<CharFormat>();
    const CharFormat then = shownChar(toCharFormat(result), fallback);
    keepUnlessChanged(result.face, now.face, then.face);
    keepUnlessChanged(result.halfPoints, now.halfPoints, then.halfPoints);
    keepUnlessChanged(result.color, now.color, then.color);
    keepUnlessChanged(result.bold, now.bold, then.bold);
    keepUnlessChanged(result.italic, now.italic, then.italic);
    keepUnlessChanged(result.strike, now.strike, then.strike);
    keepUnlessChanged(result.vertical, now.vertical, then.vertical);
    keepUnlessChanged(result.field, now.field, then.field);
    if (now.highlight != then.highlight) {
        result.highlight = now.highlight;
        result.background.reset();
    }
    if (now.underline != then.underline || now.underlineStyle != then.underlineStyle) {
        result.underline = now.underline;
        result.underlineStyle = now.underlineStyle;
    }
    return result;
}

QTextBlockFormat toBlockFormat(const Paragraph& paragraph) {
    QTextBlockFormat f;
    const ParagraphLayout& l = paragraph.layout;
    switch (paragraph.alignment) {
    case Alignment::Center:
        f.setAlignment(Qt::AlignHCenter);
        break;
    case Alignment::Right:
        f.setAlignment(Qt::AlignRight);
        break;
    case Alignment::Justify:
        f.setAlignment(Qt::AlignJustify);
        break;
    case Alignment::Left:
        f.setAlignment(Qt::AlignLeft);
        break;
    }
    f.setLeftMargin(l.leftIndent / kTwipsPerPixel);
    f.setRightMargin(l.rightIndent / kTwipsPerPixel);
    f.setTextIndent(l.firstIndent / kTwipsPerPixel);
    f.setTopMargin(l.spaceBefore / kTwipsPerPixel);
    f.setBottomMargin(l.spaceAfter / kTwipsPerPixel);
    if (l.lineSpacing != 0 && l.lineMultiple)
        f.setLineHeight(std::abs(l.lineSpacing) * 100.0 / 240,
                        QTextBlockFormat::ProportionalHeight);
    else if (l.lineSpacing > 0)
        f.setLineHeight(l.lineSpacing / kTwipsPerPixel, QTextBlockFormat::MinimumHeight);
    else if (l.lineSpacing < 0)
        f.setLineHeight(-l.lineSpacing / kTwipsPerPixel, QTextBlockFormat::FixedHeight);
    if (paragraph.end == ParagraphEnd::Page)
        f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysAfter);
    Paragraph carried;
    carried.alignment = paragraph.alignment;
    carried.layout = paragraph.layout;
    carried.end = paragraph.end;
    carried.tableWords = paragraph.tableWords;
    f.setProperty(kCarriedParagraph, QVariant::fromValue(carried));
    return f;
}

void fromBlockFormat(const QTextBlockFormat& f, Paragraph& paragraph) {
    const Paragraph now = shownParagraph(f);
    std::optional<ListFormat> list = std::move(paragraph.layout.list);
    if (!f.hasProperty(kCarriedParagraph)) {
        paragraph.alignment = now.alignment;
        paragraph.layout = now.layout;
        paragraph.end = now.end;
    } else {
        const Paragraph carried = f.property(kCarriedParagraph).value<Paragraph>();
        const Paragraph then = shownParagraph(toBlockFormat(carried));
        paragraph.alignment = carried.alignment;
        paragraph.layout = carried.layout;
        paragraph.end = carried.end;
        paragraph.tableWords = carried.tableWords;
        ParagraphLayout& l = paragraph.layout;
        keepUnlessChanged(paragraph.alignment, now.alignment, then.alignment);
        keepUnlessChanged(l.leftIndent, now.layout.leftIndent, then.layout.leftIndent);
        keepUnlessChanged(l.rightIndent, now.layout.rightIndent, then.layout.rightIndent);
        keepUnlessChanged(l.firstIndent, now.layout.firstIndent, then.layout.firstIndent);
        keepUnlessChanged(l.spaceBefore, now.layout.spaceBefore, then.layout.spaceBefore);
        keepUnlessChanged(l.spaceAfter, now.layout.spaceAfter, then.layout.spaceAfter);
        if (now.layout.lineSpacing != then.layout.lineSpacing ||
            now.layout.lineMultiple != then.layout.lineMultiple) {
            l.lineSpacing = now.layout.lineSpacing;
            l.lineMultiple = now.layout.lineMultiple;
        }
        keepUnlessChanged(paragraph.end, now.end, then.end);
    }
    paragraph.layout.list = std::move(list);
}

QTextListFormat toListFormat(const ListFormat& list, int depth) {
    QTextListFormat f;
    depth = std::clamp(depth, 0, 8);
    // Nested bullets look as a browser shows them: disc, circle, square, and round again.
    constexpr QTextListFormat::Style kBullets[] = {
        QTextListFormat::ListDisc, QTextListFormat::ListCircle, QTextListFormat::ListSquare};
    QTextListFormat::Style style = kBullets[depth % 3];
    if (list.numbered()) {
        switch (list.style) {
        case ListFormat::Style::UpperRoman:
            style = QTextListFormat::ListUpperRoman;
            break;
        case ListFormat::Style::LowerRoman:
            style = QTextListFormat::ListLowerRoman;
            break;
        case ListFormat::Style::UpperLetter:
            style = QTextListFormat::ListUpperAlpha;
            break;
        case ListFormat::Style::LowerLetter:
            style = QTextListFormat::ListLowerAlpha;
            break;
        default:
            style = QTextListFormat::ListDecimal;
            break;
        }
        f.setNumberPrefix(list.before);
        f.setNumberSuffix(list.after);
    }
    f.setStyle(style);
    f.setIndent(list.level == ListFormat::Level::Outline ? std::max(1, list.outlineLevel)
                                                         : depth + 1);
    f.setProperty(kCarriedList, QVariant::fromValue(list));
    return f;
}

ListFormat fromListFormat(const QTextListFormat& f) {
    const ListFormat now = shownList(f);
    if (!f.hasProperty(kCarriedList))
        return now;
    const ListFormat carried = f.property(kCarriedList).value<ListFormat>();
    const ListFormat then = shownList(toListFormat(carried));
    if (now.level == then.level && now.style == then.style && now.before == then.before &&
        now.after == then.after)
        return carried;
    return now;
}

} // namespace RtfTextFormats
