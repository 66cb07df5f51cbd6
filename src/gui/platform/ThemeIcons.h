#pragma once

#include <QIcon>

class QPalette;

// Standard images from the desktop's icon theme, by their freedesktop names, with the
// program's own SVG (a resource path) where the theme has none.
QIcon themeIcon(const char* freedesktopName, const char* ownImage);
// The same for glyphs drawn in our dark ink: on a dark palette our own image is drawn in the
// palette's button text colour (or the given ink) instead, so it shows on a dark bar.
QIcon inkedThemeIcon(const char* freedesktopName, const QString& ownImage, const QPalette& palette,
                     const QColor& ink = {});

// The icons the program asks for by meaning.
namespace ThemeIcons {
QIcon folder();                           // closed, and open while selected
QIcon journal();                          // the folder tree's root
QIcon closePane(const QPalette& palette); // a pane's close button, on its title strip
QIcon warning();                          // message boxes
QIcon error();
QIcon question();
QIcon information();
} // namespace ThemeIcons
