#include "richtext/RtfKeywords.h"

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
    {"cell", K::Tab},
    {"cf", K::Color},
    {"colortbl", K::ColorTable},
    {"deff", K::Deff},
    {"emdash", K::Character, 0x2014},
    {"emspace", K::Character, 0x2003},
    {"endash", K::Character, 0x2013},
    {"enspace", K::Character, 0x2002},
    {"f", K::Font},
    {"fcharset", K::FontCharset},
    {"fldinst", K::SkipGroup},
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
    {"i", K::Italic},
    {"info", K::SkipGroup},
    {"jpegblip", K::JpegBlip},
    {"ldblquote", K::Character, 0x201C},
    {"line", K::Line},
    {"listtable", K::SkipGroup},
    {"listtext", K::SkipGroup},
    {"lquote", K::Character, 0x2018},
    {"mac", K::Mac},
    {"nonshppict", K::SkipGroup},
    {"objdata", K::SkipGroup},
    {"object", K::Object},
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
    {"pn", K::SkipGroup},
    {"pngblip", K::PngBlip},
    {"pntext", K::SkipGroup},
    {"qc", K::AlignCenter},
    {"qj", K::AlignLeft},
    {"ql", K::AlignLeft},
    {"qmspace", K::Character, 0x2005},
    {"qr", K::AlignRight},
    {"rdblquote", K::Character, 0x201D},
    {"red", K::Red},
    {"result", K::Result},
    {"row", K::Par},
    {"rquote", K::Character, 0x2019},
    {"sect", K::Par},
    {"shppict", K::ShapePicture},
    {"strike", K::Strike},
    {"striked", K::Strike},
    {"stylesheet", K::SkipGroup},
    {"tab", K::Tab},
    {"u", K::U},
    {"uc", K::Uc},
    {"ul", K::Underline},
    {"uld", K::Underline},
    {"uldash", K::Underline},
    {"uldashd", K::Underline},
    {"uldashdd", K::Underline},
    {"uldb", K::Underline},
    {"ulnone", K::UnderlineNone},
    {"ulth", K::Underline},
    {"ulw", K::Underline},
    {"ulwave", K::Underline},
};

constexpr bool sorted() {
    for (size_t i = 1; i < std::size(kEntries); ++i) {
        if (!(kEntries[i - 1].name < kEntries[i].name))
            return false;
    }
    return true;
}
static_assert(sorted(), "keyword table must be sorted");

} // namespace

RtfKeywordInfo lookUpRtfKeyword(std::string_view name) {
    const auto it = std::lower_bound(std::begin(kEntries), std::end(kEntries), name,
                                     [](const Entry& e, std::string_view n) { return e.name < n; });
    if (it == std::end(kEntries) || it->name != name)
        return {};
    return {it->keyword, it->ch};
}

} // namespace richtext
