#pragma once

#include <QColor>
#include <QPalette>

// Readable text on the program's own bands and strips, from whatever palette the desktop or
// the user's style gives: colours come from the palette's roles, and a role pair that reads
// badly (the light text on Fusion's grey bands) gives way to one that reads well.
namespace PaletteContrast {

// The contrast that body text needs (WCAG level AA).
inline constexpr double kMinimumRatio = 4.5;

// WCAG relative luminance, 0 (black) to 1 (white).
double relativeLuminance(const QColor& colour);
// WCAG contrast ratio, 1 (same) to 21 (black on white), in either order.
double contrastRatio(const QColor& a, const QColor& b);

// True when the palette puts light text on a dark window.
bool isDark(const QPalette& palette);

// The first of the candidates that reads on the background; where none does, black or
// white, whichever reads better (one of them always reaches 4.5:1).
QColor readableOn(const QColor& background, std::initializer_list<QColor> candidates);

struct Band {
    QColor background;
    QColor text;
};

// The main window's caption band and the panes' title strips.
Band captionBand(const QPalette& palette);
Band paneTitleBand(const QPalette& palette);

// A dark palette in Fusion's manner, for trying the program the way a desktop in dark mode
// shows it (QUILLBOOK_PALETTE=dark): Qt here cannot ask the desktop for its colour scheme.
QPalette darkPalette();

} // namespace PaletteContrast
