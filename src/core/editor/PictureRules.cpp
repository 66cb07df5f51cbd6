#include "core/editor/PictureRules.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace PictureRules {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Editor)
};

int scaled(int side, double factor) {
    return std::max(1, static_cast<int>(std::lround(side * factor)));
}

} // namespace

std::optional<QString> refusal(qint64 fileBytes, QSize pixels) {
    if (fileBytes > kMaxFileBytes)
        return Texts::tr(
                   "The picture is %1 MB; pictures up to %2 MB can be put in an entry. Save it "
                   "smaller in a picture editor and insert it again.")
            .arg((fileBytes + 1024 * 1024 - 1) / (1024 * 1024))
            .arg(kMaxFileBytes / (1024 * 1024));
    if (pixels.width() > kMaxSide || pixels.height() > kMaxSide ||
        qint64(pixels.width()) * pixels.height() > kMaxPixels)
        return Texts::tr(
                   "The picture is %1 x %2 pixels; pictures up to %3 pixels a side and %4 million "
                   "pixels in all can be put in an entry. Make it smaller in a picture editor "
                   "and insert it again.")
            .arg(pixels.width())
            .arg(pixels.height())
            .arg(kMaxSide)
            .arg(kMaxPixels / 1'000'000);
    if (pixels.isEmpty())
        return Texts::tr("The picture is empty.");
    return std::nullopt;
}

QString unreadable(const QString& name) {
    return Texts::tr("\"%1\" is not a picture that can be read (PNG, JPEG, GIF, BMP and the other "
                     "common formats can).")
        .arg(name);
}

bool keptAsIs(const QByteArray& format) {
    const QByteArray lower = format.toLower();
    return lower == "png" || lower == "jpeg" || lower == "jpg";
}

QSize insertedTwips(QSize pixels) {
    const QSize twips(pixels.width() * kTwipsPerPixel, pixels.height() * kTwipsPerPixel);
    if (twips.width() <= kPageWidthTwips)
        return twips;
    const double factor = static_cast<double>(kPageWidthTwips) / twips.width();
    return {kPageWidthTwips, scaled(twips.height(), factor)};
}

QSize resized(QSize original, QSize edited, bool widthEdited, bool keepRatio) {
    QSize size(std::max(1, edited.width()), std::max(1, edited.height()));
    if (!keepRatio || original.isEmpty())
        return size;
    if (widthEdited)
        size.setHeight(scaled(original.height(), double(size.width()) / original.width()));
    else
        size.setWidth(scaled(original.width(), double(size.height()) / original.height()));
    return size;
}

QSize dragged(QSize start, QPoint grow, bool keepRatio) {
    const auto side = [](int length) { return std::clamp(length, 1, kMaxSide); };
    QSize size(side(start.width() + grow.x()), side(start.height() + grow.y()));
    if (!keepRatio || start.isEmpty())
        return size;
    const bool widthLeads =
        std::abs(double(grow.x()) / start.width()) >= std::abs(double(grow.y()) / start.height());
    if (widthLeads)
        size.setHeight(side(scaled(start.height(), double(size.width()) / start.width())));
    else
        size.setWidth(side(scaled(start.width(), double(size.height()) / start.height())));
    return size;
}

QString pictureFilter() {
    return Texts::tr(
        "Pictures (*.png *.jpg *.jpeg *.gif *.bmp *.webp *.tif *.tiff);;All files (*)");
}

QString insertPictureTitle() {
    return Texts::tr("Insert Picture");
}

QString pictureSizeTitle() {
    return Texts::tr("Picture Size");
}

QString widthLabel() {
    return Texts::tr("&Width (pixels):");
}

QString heightLabel() {
    return Texts::tr("&Height (pixels):");
}

QString keepRatioLabel() {
    return Texts::tr("&Keep proportions");
}

} // namespace PictureRules
