// Where an entry's header and text go on the page, and where its pages break.
#include "core/print/EntryPageLayout.h"
#include "core/print/PageBreaks.h"
#include "core/print/PageFlow.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

namespace {

// US Letter at 600 dots per inch.
const QSize kLetter600(5100, 6600);

TEST(EntryPageLayout, HeaderAtTheMarginsAndTextTwoHeaderLinesLower) {
    // 12 points at 600 dpi are 100 device units; with leading the line is 115.
    EXPECT_EQ(EntryPageLayout::HeaderPixelSize(600), 100);
    EXPECT_EQ(EntryPageLayout::HeaderPixelSize(1200), 200);
    EXPECT_EQ(EntryPageLayout::HeaderPixelSize(96), 16);

    const EntryPageLayout layout =
        EntryPageLayout::Compute(PageMargins{}, 600, 600, kLetter600, 115, true);
    EXPECT_EQ(layout.headerLeft, 750); // 1800 twips
    EXPECT_EQ(layout.headerTop, 600);  // 1440 twips
    EXPECT_EQ(layout.underlineY, 600 + 143);
    // Two lines of 115 units are 2 * 276 twips (115 * 1440 / 600 = 276, truncated).
    EXPECT_EQ(layout.firstPage, (PageMargins{1800, 1440 + 552, 1800, 1440}));
    EXPECT_EQ(layout.laterPages, PageMargins{});
    EXPECT_EQ(layout.firstBody, QRect(QPoint(750, 830), QPoint(5100 - 750 - 1, 6600 - 600 - 1)));
    EXPECT_EQ(layout.laterBody, QRect(QPoint(750, 600), QPoint(4349, 5999)));
}

TEST(EntryPageLayout, WithoutHeaderEveryPageUsesTheMargins) {
    const PageMargins margins{720, 2880, 360, 0};
    const EntryPageLayout layout =
        EntryPageLayout::Compute(margins, 300, 600, QSize(2550, 6600), 115, false);
    EXPECT_EQ(layout.firstPage, margins);
    EXPECT_EQ(layout.firstBody, layout.laterBody);
    EXPECT_EQ(layout.laterBody, QRect(QPoint(150, 1200), QPoint(2550 - 75 - 1, 6599)));
}

TEST(EntryPageLayout, MarginsThatLeaveNoRoomStillLeaveAQuarterInch) {
    // Margins wider and taller than the paper, and a header that pushes the text off the page.
    const EntryPageLayout wide = EntryPageLayout::Compute(PageMargins{9000, 9000, 9000, 9000}, 600,
                                                          600, kLetter600, 115, true);
    for (const QRect& body : {wide.firstBody, wide.laterBody}) {
        EXPECT_EQ(body.width(), 150);
        EXPECT_EQ(body.height(), 150);
        EXPECT_TRUE(QRect(QPoint(0, 0), kLetter600).contains(body));
    }
    // A header font so tall that two of its lines pass the paper's end.
    const EntryPageLayout tall =
        EntryPageLayout::Compute(PageMargins{}, 600, 600, kLetter600, 3000, true);
    EXPECT_EQ(tall.firstBody.height(), 150);
    EXPECT_EQ(tall.firstBody.bottom(), kLetter600.height() - 1);
    EXPECT_EQ(tall.firstBody.left(), tall.laterBody.left());
    EXPECT_EQ(tall.firstBody.width(), tall.laterBody.width());
}

std::vector<LineSpan> evenLines(int count, int height) {
    std::vector<LineSpan> lines;
    for (int i = 0; i < count; ++i)
        lines.push_back({i * height, (i + 1) * height});
    return lines;
}

TEST(PageBreaks, PagesEndAboveTheFirstLineThatDoesNotFit) {
    struct Case {
        const char* what;
        std::vector<LineSpan> lines;
        int total, first, later;
        std::vector<int> starts;
    };
    const Case cases[] = {
        {"empty text", {}, 0, 500, 600, {0}},
        {"fits on one page", evenLines(4, 100), 400, 500, 600, {0}},
        {"exactly one page", evenLines(5, 100), 500, 500, 600, {0}},
        // 450 on the first page holds four lines of 100; later pages of 600 hold six.
        {"first page shorter", evenLines(12, 100), 1200, 450, 600, {0, 400, 1000}},
        // A picture of 700 taller than any page is cut where the page ends.
        {"tall line", {{0, 100}, {100, 800}, {800, 900}}, 900, 500, 600, {0, 100, 700}},
        // Two table cells side by side: the cut goes above the taller one's line too.
        {"side by side", {{0, 300}, {300, 450}, {350, 550}, {550, 600}}, 600, 500, 500, {0, 300}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PageStarts(c.lines, c.total, c.first, c.later), c.starts) << c.what;
}

TEST(PageBreaks, EveryPageMovesOnEvenWithoutRoom) {
    // A page of no height still advances, one device unit at a time at worst.
    const std::vector<int> starts = PageStarts(evenLines(3, 10), 30, 0, -5);
    ASSERT_EQ(starts.size(), 30u);
    EXPECT_EQ(starts.back(), 29);
}

// Two entries of n lines of 100 on pages whose body holds 1000 under a header of 200; a gap of
// 50 between entries. Each piece: page, y, and the lines' top and bottom.
TEST(PageFlow, EntriesFollowOrStartPagesAndKeepTheirHeaderWithTheirFirstLines) {
    using Slices = std::vector<std::array<int, 4>>;
    const std::tuple<const char*, bool, int, int, Slices> cases[] = {
        {"a page each", false, 2, 3, {{0, 0, 0, 200}, {1, 0, 0, 300}}},
        {"one after another", true, 2, 3, {{0, 0, 0, 200}, {0, 450, 0, 300}}},
        {"a long entry goes on",
         true,
         1,
         20,
         {{0, 0, 0, 100}, {0, 350, 0, 400}, {1, 0, 400, 1200}, {2, 0, 1200, 2000}}},
        // 150 left after 6 lines: the header and three lines need 500.
        {"a header keeps its lines", true, 6, 5, {{0, 0, 0, 600}, {1, 0, 0, 500}}},
    };
    for (const auto& [what, continuous, first, second, expected] : cases) {
        PageFlow flow({1000, 200, 50}, continuous);
        Slices placed;
        for (const int n : {first, second})
            for (const PageSlice& s : flow.place(evenLines(n, 100), n * 100, 100))
                placed.push_back({s.page, s.y, s.top, s.bottom});
        EXPECT_EQ(placed, expected) << what;
        EXPECT_EQ(flow.pageCount(), placed.back()[0] + 1) << what;
    }
}

} // namespace
