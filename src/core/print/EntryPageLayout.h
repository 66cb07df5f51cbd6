#pragma once

#include "core/platform/PageMargins.h"

#include <QRect>
#include <QSize>
#include <algorithm>

// Where an entry's pages put their parts, in the printer's device units counted from the
// paper's top-left corner. The date/time header stands at the top-left margin on the first
// page, underlined as wide as its text; the text then starts two header lines lower. Later
// pages, and a first page without header, use the margins as they are.
struct EntryPageLayout {
    static constexpr int kHeaderPoints = 12;

    // The header font's size on the device: 12 points at its vertical resolution.
    static int HeaderPixelSize(int dpiY) { return kHeaderPoints * dpiY / 72; }
    // The underline's thickness on the device: 1/120 inch (five dots of a 600 dpi printer),
    // at least one device unit, so that it looks the same on paper, in a PDF and in preview.
    static int UnderlinePen(int dpiY) { return std::max(1, (dpiY + 60) / 120); }

    // paper: the paper's size in device units. headerLineHeight: the header font's height
    // plus external leading on the device. Margins that leave less than a quarter inch for
    // the text are narrowed so that a quarter inch remains: every page then holds something.
    static EntryPageLayout Compute(const PageMargins& margins, int dpiX, int dpiY,
                                   const QSize& paper, int headerLineHeight, bool header);

    bool header = false;
    int headerLeft = 0;
    int headerTop = 0;
    int headerLineHeight = 0;
    int underlineY = 0;     // the underline runs from headerLeft as far as the text is wide
    PageMargins firstPage;  // twips, as the first page uses them
    PageMargins laterPages; // twips
    QRect firstBody;        // where the text goes on the first page
    QRect laterBody;        // and on every later one
};
