#include "core/richtext/RtfParagraphWords.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace richtext {

namespace {

constexpr int kMaxTableLevel = 64;
constexpr int kMaxOutlineLevel = 9;

// The \pn style words, indexed by ListFormat::Style.
constexpr std::string_view kStyleWords[] = {"pndec",   "pnucrm", "pnlcrm", "pnucltr",
                                            "pnlcltr", "pncard", "pnord",  "pnordt"};

} // namespace

bool applyParagraphWord(RtfKeyword keyword, const RtfToken& token, Alignment& alignment,
                        ParagraphLayout& layout) {
    const int param = token.param;
    switch (keyword) {
    case RtfKeyword::Pard:
        alignment = Alignment::Left;
        layout = ParagraphLayout{};
        return true;
    case RtfKeyword::AlignLeft:
        alignment = Alignment::Left;
        return true;
    case RtfKeyword::AlignCenter:
        alignment = Alignment::Center;
        return true;
    case RtfKeyword::AlignRight:
        alignment = Alignment::Right;
        return true;
    case RtfKeyword::AlignJustify:
        alignment = Alignment::Justify;
        return true;
    case RtfKeyword::LeftIndent:
        layout.leftIndent = param;
        return true;
    case RtfKeyword::RightIndent:
        layout.rightIndent = param;
        return true;
    case RtfKeyword::FirstIndent:
        layout.firstIndent = param;
        return true;
    case RtfKeyword::SpaceBefore:
        layout.spaceBefore = param;
        return true;
    case RtfKeyword::SpaceAfter:
        layout.spaceAfter = param;
        return true;
    case RtfKeyword::LineSpacing:
        layout.lineSpacing = param;
        return true;
    case RtfKeyword::LineMultiple:
        layout.lineMultiple = !token.hasParam || param != 0;
        return true;
    case RtfKeyword::ListOverride:
        layout.listOverride = param;
        return true;
    case RtfKeyword::ListLevel:
        layout.listLevel = param;
        return true;
    case RtfKeyword::InTable:
        layout.tableLevel = std::max(layout.tableLevel, 1);
        return true;
    case RtfKeyword::TableLevel:
        layout.tableLevel = std::clamp(token.hasParam ? param : 1, 0, kMaxTableLevel);
        return true;
    default:
        return false;
    }
}

void applyNumberingWord(const RtfKeywordInfo& info, const RtfToken& token, ListFormat& list) {
    const int param = token.param;
    switch (info.keyword) {
    case RtfKeyword::NumberLevel:
        list.level = ListFormat::Level::Outline;
        list.outlineLevel = std::clamp(param, 1, kMaxOutlineLevel);
        return;
    case RtfKeyword::NumberBullet:
        list.level = ListFormat::Level::Bullet;
        list.outlineLevel = 0; // only an outline level has a number
        return;
    case RtfKeyword::NumberBody:
        list.level = ListFormat::Level::Body;
        list.outlineLevel = 0;
        return;
    case RtfKeyword::NumberContinue:
        list.level = ListFormat::Level::Continue;
        list.outlineLevel = 0;
        return;
    case RtfKeyword::NumberStyle:
        list.style = static_cast<ListFormat::Style>(info.ch);
        return;
    case RtfKeyword::NumberStart:
        list.start = param;
        return;
    case RtfKeyword::NumberIndent:
        list.indent = param;
        return;
    case RtfKeyword::NumberSpace:
        list.space = param;
        return;
    default:
        break;
    }
    // Other numbering words (\pnhang, \pnb, \pnfs20, \pnqc, ...) are kept as written.
    if (info.keyword == RtfKeyword::Unknown && token.word.substr(0, 2) == "pn") {
        if (token.hasParam)
            appendWord(list.otherWords, token.word, token.param);
        else
            appendWord(list.otherWords, token.word);
    }
}

bool isTableRowWord(RtfKeyword keyword, std::string_view name) {
    if (keyword == RtfKeyword::RowDefaults || keyword == RtfKeyword::CellEdge)
        return true;
    if (keyword != RtfKeyword::Unknown)
        return false;
    static constexpr std::string_view kPrefixes[] = {"tr",  "cl",   "brdr",   "brsp",
                                                     "tbl", "irow", "lastrow"};
    return std::any_of(std::begin(kPrefixes), std::end(kPrefixes), [name](std::string_view prefix) {
        return name.substr(0, prefix.size()) == prefix;
    });
}

void appendWord(std::string& out, std::string_view name) {
    out += '\\';
    out += name;
}

void appendWord(std::string& out, std::string_view name, long long param) {
    appendWord(out, name);
    char digits[24];
    const auto result = std::to_chars(std::begin(digits), std::end(digits), param);
    out.append(digits, static_cast<size_t>(result.ptr - digits));
}

namespace {

// The indent of an item at its level when it has none of its own; 0 when the level gives none.
int levelIndent(const ParagraphLayout& layout) {
    const auto& list = layout.list;
    const bool levelled = list && (list->level == ListFormat::Level::Bullet ||
                                   list->level == ListFormat::Level::Body);
    if (!levelled || list->indent <= 0 || layout.listLevel < 0 || layout.listLevel > 8)
        return 0;
    return list->indent * (layout.listLevel + 1);
}

} // namespace

ParagraphLayout layoutWithLevelIndent(const ParagraphLayout& layout) {
    ParagraphLayout written = layout;
    const int indent = levelIndent(layout);
    if (indent > 0 && layout.leftIndent == 0 && layout.firstIndent == 0) {
        written.leftIndent = indent;
        written.firstIndent = -layout.list->indent;
    }
    return written;
}

void dropLevelIndent(ParagraphLayout& layout) {
    const int indent = levelIndent(layout);
    if (indent > 0 && layout.leftIndent == indent && layout.firstIndent == -layout.list->indent) {
        layout.leftIndent = 0;
        layout.firstIndent = 0;
    }
}

void appendParagraphWords(std::string& out, Alignment alignment, const ParagraphLayout& layout) {
    if (layout.tableLevel > 0)
        appendWord(out, "intbl");
    if (layout.tableLevel > 1)
        appendWord(out, "itap", layout.tableLevel);
    if (layout.listOverride != 0)
        appendWord(out, "ls", layout.listOverride);
    if (layout.listLevel != 0)
        appendWord(out, "ilvl", layout.listLevel);
    const std::pair<std::string_view, int> distances[] = {
        {"fi", layout.firstIndent}, {"li", layout.leftIndent}, {"ri", layout.rightIndent},
        {"sb", layout.spaceBefore}, {"sa", layout.spaceAfter}, {"sl", layout.lineSpacing}};
    for (const auto& [name, value] : distances) {
        if (value != 0)
            appendWord(out, name, value);
    }
    if (layout.lineMultiple)
        appendWord(out, "slmult", 1);
    if (alignment == Alignment::Center)
        appendWord(out, "qc");
    else if (alignment == Alignment::Right)
        appendWord(out, "qr");
    else if (alignment == Alignment::Justify)
        appendWord(out, "qj");
}

void appendNumberingWords(std::string& out, const ListFormat& list, int fontIndex) {
    switch (list.level) {
    case ListFormat::Level::Bullet:
        appendWord(out, "pnlvlblt");
        break;
    case ListFormat::Level::Body:
        appendWord(out, "pnlvlbody");
        break;
    case ListFormat::Level::Continue:
        appendWord(out, "pnlvlcont");
        break;
    case ListFormat::Level::Outline:
        appendWord(out, "pnlvl", list.outlineLevel);
        break;
    }
    if (fontIndex >= 0)
        appendWord(out, "pnf", fontIndex);
    appendWord(out, "pnindent", list.indent);
    if (list.space != 0)
        appendWord(out, "pnsp", list.space);
    if (list.numbered() || list.start != 1)
        appendWord(out, "pnstart", list.start);
    if (list.style != ListFormat::Style::Decimal || list.numbered())
        appendWord(out, kStyleWords[static_cast<size_t>(list.style)]);
    out += list.otherWords;
}

} // namespace richtext
