#include "core/richtext/RtfKeywords.h"

#include "core/richtext/RichDocument.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>

namespace richtext {

namespace {

struct Entry {
    std::string_view name;
    RtfKeyword keyword;
    char16_t ch = 0;
};

using K = RtfKeyword;

// Sorted by name, so that a word listed twice shows.
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
static_assert(sorted(), "keyword table must be sorted, each word once");

// Hash of a control word (FNV-1a); the table below is indexed by it.
constexpr std::uint32_t hashWord(std::string_view name) {
    std::uint32_t hash = 2166136261u;
    for (const char c : name)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return hash;
}

// Open addressing with linear probing: slot -> 1 + position in kEntries, 0 for an empty slot.
// With the table under a third full, a lookup compares one word on average.
constexpr size_t kSlots = 512;
static_assert(std::size(kEntries) * 3 < kSlots, "keyword hash table too full");
static_assert(std::size(kEntries) < 256, "slots hold table positions in a byte");

constexpr std::array<unsigned char, kSlots> kSlotEntry = [] {
    std::array<unsigned char, kSlots> table{};
    for (size_t i = 0; i < std::size(kEntries); ++i) {
        size_t slot = hashWord(kEntries[i].name) % kSlots;
        while (table[slot] != 0)
            slot = (slot + 1) % kSlots;
        table[slot] = static_cast<unsigned char>(i + 1);
    }
    return table;
}();

} // namespace

RtfKeywordInfo lookUpRtfKeyword(std::string_view name) {
    for (size_t slot = hashWord(name) % kSlots;; slot = (slot + 1) % kSlots) {
        const unsigned char at = kSlotEntry[slot];
        if (at == 0)
            return {};
        const Entry& entry = kEntries[at - 1];
        if (entry.name.size() == name.size() &&
            std::equal(name.begin(), name.end(), entry.name.begin()))
            return {entry.keyword, entry.ch};
    }
}

} // namespace richtext
