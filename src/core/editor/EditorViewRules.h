#pragma once

#include <QString>

// How the editor shows its text: zoom, full screen and margins. The view only: nothing here
// changes what is stored.
namespace EditorViewRules {

// Pixels between the text and the edge of its window.
inline constexpr int kTextMargin = 10;

inline constexpr int kDefaultZoom = 100;
// The listed zoom steps from percent: in for steps > 0, out for steps < 0, stopping at the
// ends; a percent between two levels first goes to the nearer one in that direction.
int steppedZoom(int percent, int steps);
// A remembered zoom as read back: one of the listed levels, else the default.
int validZoom(int percent);
// Where each user's zoom is remembered.
QString zoomSettingsKey();

// The width of the text column in full screen, so that lines stay readable (about 75
// characters of 12-point text) at any zoom.
int readableWidth(int zoomPercent);
// The margin each side of a column of that width in the view, never less than kTextMargin.
int centringMargin(int viewWidth, int columnWidth);

} // namespace EditorViewRules
