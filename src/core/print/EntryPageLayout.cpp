#include "core/print/EntryPageLayout.h"

#include <algorithm>

namespace {

int toDevice(std::int64_t twips, int dpi) {
    return static_cast<int>(twips * dpi / 1440);
}

// The text's rectangle inside the margins, at least minWidth by minHeight: margins that
// leave less are cut back, the top and left ones last.
QRect bodyRect(const PageMargins& m, int dpiX, int dpiY, const QSize& paper, int minWidth,
               int minHeight) {
    const int left = std::clamp(toDevice(m.left, dpiX), 0, std::max(0, paper.width() - minWidth));
    const int top = std::clamp(toDevice(m.top, dpiY), 0, std::max(0, paper.height() - minHeight));
    const int right =
        std::max(left + minWidth, paper.width() - std::max(0, toDevice(m.right, dpiX)));
    const int bottom =
        std::max(top + minHeight, paper.height() - std::max(0, toDevice(m.bottom, dpiY)));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

} // namespace

EntryPageLayout EntryPageLayout::Compute(const PageMargins& margins, int dpiX, int dpiY,
                                         const QSize& paper, int headerLineHeight, bool header) {
    EntryPageLayout layout;
    dpiX = std::max(dpiX, 1);
    dpiY = std::max(dpiY, 1);
    layout.header = header;
    layout.headerLineHeight = headerLineHeight;
    layout.headerLeft = toDevice(margins.left, dpiX);
    layout.headerTop = toDevice(margins.top, dpiY);
    layout.underlineY = layout.headerTop + headerLineHeight * 5 / 4;
    layout.laterPages = margins;
    layout.firstPage = margins;
    if (header)
        layout.firstPage.top = margins.top + 2 * static_cast<std::int32_t>(
                                                     std::int64_t{headerLineHeight} * 1440 / dpiY);

    const int minWidth = dpiX / 4;
    const int minHeight = dpiY / 4;
    layout.laterBody = bodyRect(layout.laterPages, dpiX, dpiY, paper, minWidth, minHeight);
    layout.firstBody = bodyRect(layout.firstPage, dpiX, dpiY, paper, minWidth, minHeight);
    // The text keeps one width on every page, so a page break never reflows it.
    layout.firstBody.setLeft(layout.laterBody.left());
    layout.firstBody.setRight(layout.laterBody.right());
    return layout;
}
