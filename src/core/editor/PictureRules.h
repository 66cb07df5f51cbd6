#pragma once

#include <QByteArray>
#include <QPoint>
#include <QSize>
#include <QString>

#include <optional>

// What the editor takes in as a picture, how large it first shows and how it is resized.
namespace PictureRules {

// Beyond these a picture is refused: the entry would be slow to open and to save, and
// decoding it would take hundreds of megabytes.
inline constexpr qint64 kMaxFileBytes = 20 * 1024 * 1024;
inline constexpr int kMaxSide = 10000;
// Decoded at four bytes a pixel, a larger one passes the 256 MB an image may take.
inline constexpr qint64 kMaxPixels = 60'000'000;
// A picture comes in no wider than the text of a printed page (8.5 inches less two 1-inch
// margins), in twips.
inline constexpr int kPageWidthTwips = 9360;
inline constexpr int kTwipsPerPixel = 15; // at 96 dots an inch

// Why the picture cannot come in, or nullopt when it can. fileBytes is its encoded size.
std::optional<QString> refusal(qint64 fileBytes, QSize pixels);
// A file or clipboard content that is no picture this program can read.
QString unreadable(const QString& name);
// Whether pictures of the encoded format (Qt's image-format name) are stored as they are;
// any other is stored as PNG.
bool keptAsIs(const QByteArray& format);
// The size a picture of these pixels shows at when it comes in, in twips: its size at 96
// dots an inch, shrunk to the page's width with its proportions kept.
QSize insertedTwips(QSize pixels);
// The size the Picture Size dialog proposes after one side was edited: with keepRatio the
// other side follows in the proportions of original; no side is below one.
QSize resized(QSize original, QSize edited, bool widthEdited, bool keepRatio);

// The size a picture shown at start takes while a corner handle is dragged by grow (pixels,
// positive where the picture grows): with keepRatio the side changed more, for its length,
// leads and the other follows in start's proportions; each side stays within 1..kMaxSide.
QSize dragged(QSize start, QPoint grow, bool keepRatio);

QString pictureFilter();
QString insertPictureTitle();
QString pictureSizeTitle();
QString widthLabel();
QString heightLabel();
QString keepRatioLabel();

} // namespace PictureRules
