#include "richtext/RtfKeywords.h"

#include "richtext/RichDocument.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace richtext {

namespace {

struct Entry {
    std::string_view name;
    RtfKeyword keyword;
    char16_t ch = 0;
};

using K = RtfKeyword;

// Sorted by name for binary search.
constexpr Entry kEntries[] = {
    {"ansi", K::Ansi},
    {"ansicpg", K::AnsiCpg},
    {"b", K::Bold},
    {"bin", K::Bin},
    {"blue", K::Blue},
    {"bullet", K::Character, 0x2022},
    {"cb", K::Background},
    {"cell", K::Cell},
    {"cellx", K::CellEdge},
    {"cf", K::Color},
    {"chcbpat", K::Background},
    {"colortbl", K::ColorTable},
    {"deff", K::Deff},
    {"dn", K::Down},
    {"emdash", K::Character, 0x2014},
    {"emspace", K::Character, 0x2003},
    {"endash", K::Character, 0x2013},
    {"enspace", K::Character, 0x2002},
    {"f", K::Font},
    {"fcharset", K::FontCharset},
    {"fi", K::FirstIndent},
    {"field", K::Field},
    {"fldinst", K::FieldInstruction},
    {"fldrslt", K::FieldResult},
    {"fonttbl", K::FontTable},
    {"footer", K::SkipGroup},
    {"footerf", K::SkipGroup},
    {"footerl", K::SkipGroup},
    {"footerr", K::SkipGroup},
    {"footnote", K::SkipGroup},
    {"fs", K::FontSize},
    {"green", K::Green},
    {"header", K::SkipGroup},
    {"headerf", K::SkipGroup},
    {"headerl", K::SkipGroup},
    {"headerr", K::SkipGroup},
    {"highlight", K::Highlight},
    {"i", K::Italic},
    {"ilvl", K::ListLevel},
    {"info", K::SkipGroup},
    {"intbl", K::InTable},
    {"itap", K::TableLevel},
    {"jpegblip", K::JpegBlip},
    {"ldblquote", K::Character, 0x201C},
    {"li", K::LeftIndent},
    {"line", K::Line},
    {"listoverridetable", K::ListOverrideTable},
    {"listtable", K::ListTable},
    {"listtext", K::SkipGroup},
    {"lquote", K::Character, 0x2018},
    {"ls", K::ListOverride},
    {"mac", K::Mac},
    {"nestcell", K::NestCell},
    {"nestrow", K::NestRow},
    {"nesttableprops", K::NestTableProps},
    {"nonesttables", K::SkipGroup},
    {"nonshppict", K::SkipGroup},
    {"nosupersub", K::NoSuperSub},
    {"objdata", K::SkipGroup},
    {"object", K::Object},
    {"page", K::Page},
    {"par", K::Par},
    {"pard", K::Pard},
    {"pc", K::Pc},
    {"pca", K::Pca},
    {"pich", K::PicHeight},
    {"pichgoal", K::PicHeightGoal},
    {"picscalex", K::PicScaleX},
    {"picscaley", K::PicScaleY},
    {"pict", K::Picture},
    {"picw", K::PicWidth},
    {"picwgoal", K::PicWidthGoal},
    {"plain", K::Plain},
    {"pn", K::Numbering},
    {"pncard", K::NumberStyle, char16_t(ListFormat::Style::Cardinal)},
    {"pndec", K::NumberStyle, char16_t(ListFormat::Style::Decimal)},
    {"pnf", K::NumberFont},
    {"pngblip", K::PngBlip},
    {"pnindent", K::NumberIndent},
    {"pnlcltr", K::NumberStyle, char16_t(ListFormat::Style::LowerLetter)},
    {"pnlcrm", K::NumberStyle, char16_t(ListFormat::Style::LowerRoman)},
    {"pnlvl", K::NumberLevel},
    {"pnlvlblt", K::NumberBullet},
    {"pnlvlbody", K::NumberBody},
    {"pnlvlcont", K::NumberContinue},
    {"pnord", K::NumberStyle, char16_t(ListFormat::Style::Ordinal)},
    {"pnordt", K::NumberStyle, char16_t(ListFormat::Style::OrdinalText)},
    {"pnsp", K::NumberSpace},
    {"pnstart", K::NumberStart},
    {"pntext", K::SkipGroup},
    {"pntxta", K::NumberAfter},
    {"pntxtb", K::NumberBefore},
    {"pnucltr", K::NumberStyle, char16_t(ListFormat::Style::UpperLetter)},
    {"pnucrm", K::NumberStyle, char16_t(ListFormat::Style::UpperRoman)},
    {"qc", K::AlignCenter},
    {"qj", K::AlignJustify},
    {"ql", K::AlignLeft},
    {"qmspace", K::Character, 0x2005},
    {"qr", K::AlignRight},
    {"rdblquote", K::Character, 0x201D},
    {"red", K::Red},
    {"result", K::Result},
    {"ri", K::RightIndent},
    {"row", K::Row},
    {"rquote", K::Character, 0x2019},
    {"sa", K::SpaceAfter},
    {"sb", K::SpaceBefore},
    {"sect", K::Par},
    {"shppict", K::ShapePicture},
    {"sl", K::LineSpacing},
    {"slmult", K::LineMultiple},
    {"strike", K::Strike},
    {"striked", K::Strike},
    {"stylesheet", K::SkipGroup},
    {"sub", K::Subscript},
    {"super", K::Superscript},
    {"tab", K::Tab},
    {"trowd", K::RowDefaults},
    {"u", K::U},
    {"uc", K::Uc},
    {"ul", K::Underline, char16_t(UnderlineStyle::Single)},
    {"uld", K::Underline, char16_t(UnderlineStyle::Dotted)},
    {"uldash", K::Underline, char16_t(UnderlineStyle::Dash)},
    {"uldashd", K::Underline, char16_t(UnderlineStyle::DashDot)},
    {"uldashdd", K::Underline, char16_t(UnderlineStyle::DashDotDot)},
    {"uldb", K::Underline, char16_t(UnderlineStyle::Double)},
    {"ulhair", K::Underline, char16_t(UnderlineStyle::Hairline)},
    {"ulhwave", K::Underline, char16_t(UnderlineStyle::HeavyWave)},
    {"ulldash", K::Underline, char16_t(UnderlineStyle::LongDash)},
    {"ulnone", K::UnderlineNone},
    {"ulth", K::Underline, char16_t(UnderlineStyle::Thick)},
    {"ulthd", K::Underline, char16_t(UnderlineStyle::ThickDotted)},
    {"ulthdash", K::Underline, char16_t(UnderlineStyle::ThickDash)},
    {"ulthdashd", K::Underline, char16_t(UnderlineStyle::ThickDashDot)},
    {"ulthdashdd", K::Underline, char16_t(UnderlineStyle::ThickDashDotDot)},
    {"ulthldash", K::Underline, char16_t(UnderlineStyle::ThickLongDash)},
    {"ululdbwave", K::Underline, char16_t(UnderlineStyle::DoubleWave)},
    {"ulw", K::Underline, char16_t(UnderlineStyle::Words)},
    {"ulwave", K::Underline, char16_t(UnderlineStyle::Wave)},
    {"up", K::Up},
};

constexpr bool sorted() {
    for (size_t i = 1; i < std::size(kEntries); ++i) {
        if (!(kEntries[i - 1].name < kEntries[i].name))
            return false;
    }
    return true;
}
static_assert(sorted(), "keyword table must be sorted");

// For each first letter, where its words start in the table: a lookup searches one letter's
// words only.
constexpr std::array<unsigned char, 27> kLetterStart = [] {
    std::array<unsigned char, 27> starts{};
    size_t i = 0;
    for (size_t letter = 0; letter < 26; ++letter) {
        starts[letter] = static_cast<unsigned char>(i);
        while (i < std::size(kEntries) && kEntries[i].name[0] == char('a' + letter))
            ++i;
    }
    starts[26] = static_cast<unsigned char>(std::size(kEntries));
    return starts;
}();
static_assert(std::size(kEntries) < 256, "letter index holds table positions in a byte");

} // namespace

RtfKeywordInfo lookUpRtfKeyword(std::string_view name) {
    if (name.empty() || name[0] < 'a' || name[0] > 'z')
        return {};
    const size_t letter = static_cast<size_t>(name[0] - 'a');
    const Entry* first = std::begin(kEntries) + kLetterStart[letter];
    const Entry* last = std::begin(kEntries) + kLetterStart[letter + 1];
    const auto it = std::lower_bound(first, last, name,
                                     [](const Entry& e, std::string_view n) { return e.name < n; });
    if (it == last || it->name != name)
        return {};
    return {it->keyword, it->ch};
}

} // namespace richtext
