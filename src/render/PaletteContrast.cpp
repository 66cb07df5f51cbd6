#include "render/PaletteContrast.h"

#include <cmath>

namespace PaletteContrast {

namespace {

double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

} // namespace

double relativeLuminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double first = relativeLuminance(a);
    const double second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

bool isDark(const QPalette& palette) {
    return relativeLuminance(palette.color(QPalette::Window)) <
           relativeLuminance(palette.color(QPalette::WindowText));
}

QColor readableOn(const QColor& background, std::initializer_list<QColor> candidates) {
    for (const QColor& candidate : candidates)
        if (contrastRatio(background, candidate) >= kMinimumRatio)
            return candidate;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(background, black) >= contrastRatio(background, white) ? black : white;
}

// The bands keep the palette's shades; only their text gives way where it would not read.
Band captionBand(const QPalette& palette) {
    const QColor background = palette.color(QPalette::Dark);
    return {background, readableOn(background, {palette.color(QPalette::Light),
                                                palette.color(QPalette::WindowText),
                                                palette.color(QPalette::HighlightedText)})};
}

Band paneTitleBand(const QPalette& palette) {
    const QColor background = palette.color(QPalette::Mid);
    return {background, readableOn(background, {palette.color(QPalette::Light),
                                                palette.color(QPalette::WindowText),
                                                palette.color(QPalette::ButtonText)})};
}

QPalette darkPalette() {
    const QColor window(0x35, 0x35, 0x35);
    QPalette dark(window, window);
    const QColor text(0xf0, 0xf0, 0xf0);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                            QPalette::BrightText, QPalette::HighlightedText})
        dark.setColor(role, text);
    dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::ToolTipBase, window);
    dark.setColor(QPalette::ToolTipText, text);
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::Link, QColor(0x6c, 0xb4, 0xff));
    dark.setColor(QPalette::PlaceholderText, QColor(0xa0, 0xa0, 0xa0));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
    return dark;
}

} // namespace PaletteContrast
