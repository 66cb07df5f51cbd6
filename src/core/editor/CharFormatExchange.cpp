#include "core/editor/CharFormatExchange.h"

#include <charconv>
#include <cmath>

namespace CharFormatRules {

namespace {

using Bit = PendingCharFormat::Bit;

// The largest size the Windows control keeps (its height field is a 16-bit twip count).
constexpr double kMaxPoints = 1638.0;

} // namespace

PendingCharFormat combine(const std::vector<PendingCharFormat>& pieces) {
    if (pieces.empty())
        return {};
    PendingCharFormat result = pieces.front();
    for (const PendingCharFormat& piece : pieces) {
        result.mask &= piece.mask;
        const unsigned differing = (result.effects ^ piece.effects) & PendingCharFormat::kEffects;
        result.mask &= ~differing;
        if (piece.heightTwips != result.heightTwips)
            result.mask &= ~unsigned(Bit::Size);
        if (piece.faceName != result.faceName)
            result.mask &= ~unsigned(Bit::Face);
        if (piece.color != result.color)
            result.mask &= ~unsigned(Bit::Color);
    }
    result.effects &= result.mask;
    return result;
}

PendingCharFormat toggled(const PendingCharFormat& selection, Bit effect) {
    PendingCharFormat result;
    result.mask = effect;
    const bool onEverywhere = selection.names(effect) && (selection.effects & effect) != 0;
    result.effects = onEverywhere ? 0 : unsigned(effect);
    return result;
}

PendingCharFormat changedInFontDialog(const PendingCharFormat& shown,
                                      const PendingCharFormat& chosen) {
    PendingCharFormat result = chosen;
    result.mask = ((shown.effects ^ chosen.effects) & PendingCharFormat::kEffects &
                   PendingCharFormat::kFontDialog);
    if (shown.heightTwips != chosen.heightTwips)
        result.mask |= Bit::Size;
    if (shown.faceName != chosen.faceName)
        result.mask |= Bit::Face;
    result.effects &= result.mask;
    return result;
}

std::string faceBoxText(const PendingCharFormat& selection) {
    return selection.names(Bit::Face) ? selection.faceName : std::string();
}

// Whole twips are exact in hundredths of a point, so integer arithmetic writes them exactly
// and whatever the locale's decimal point.
std::string pointsText(int twips) {
    const int hundredths = twips * 5;
    std::string shown = std::to_string(hundredths / 100);
    const int fraction = hundredths % 100;
    if (fraction != 0) {
        shown += '.';
        shown += char('0' + fraction / 10);
        if (fraction % 10 != 0)
            shown += char('0' + fraction % 10);
    }
    return shown;
}

std::string sizeBoxText(const PendingCharFormat& selection) {
    if (!selection.names(Bit::Size) || selection.heightTwips <= 0)
        return {};
    return pointsText(selection.heightTwips);
}

std::optional<PendingCharFormat> faceChoice(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::nullopt;
    const auto last = text.find_last_not_of(" \t");
    PendingCharFormat format;
    format.mask = Bit::Face;
    format.faceName = text.substr(first, last - first + 1);
    return format;
}

std::optional<PendingCharFormat> sizeChoice(const std::string& text) {
    std::string number = text;
    for (char& c : number)
        if (c == ',')
            c = '.'; // "10,5" as some keyboards type it
    const auto first = number.find_first_not_of(" \t");
    const auto last = number.find_last_not_of(" \t");
    if (first == std::string::npos)
        return std::nullopt;
    const char* begin = number.data() + first;
    const char* end = number.data() + last + 1;
    double points = 0;
    const auto [stop, error] = std::from_chars(begin, end, points, std::chars_format::fixed);
    if (error != std::errc() || stop != end || !std::isfinite(points) || points < 1.0 ||
        points > kMaxPoints)
        return std::nullopt;
    PendingCharFormat format;
    format.mask = Bit::Size;
    format.heightTwips = static_cast<int>(std::lround(points * 20.0));
    return format;
}

} // namespace CharFormatRules
