#include "core/platform/PageMargins.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(PageMargins, ConvertsBetweenTwipsAndThousandthsWithRounding) {
    EXPECT_EQ(twipsToThousandths(1800), 1250);
    EXPECT_EQ(twipsToThousandths(1440), 1000);
    EXPECT_EQ(thousandthsToTwips(1000), 1440);
    // 1 twip is 0.694 thousandths (rounds up), 1000 twips 694.4 (rounds down).
    EXPECT_EQ(twipsToThousandths(1), 1);
    EXPECT_EQ(twipsToThousandths(1000), 694);
    // Halves round away from zero: 36 twips are exactly 25 thousandths, 18 are 12.5.
    EXPECT_EQ(twipsToThousandths(18), 13);
    EXPECT_EQ(twipsToThousandths(-18), -13);
    EXPECT_EQ(thousandthsToTwips(1), 1);
    // A round trip keeps a value the dialog shows.
    for (int shown : {0, 250, 500, 750, 1000, 1250, 2000})
        EXPECT_EQ(twipsToThousandths(thousandthsToTwips(shown)), shown) << shown;
}

TEST(PageMargins, LargeValuesNeitherOverflowNorWrap) {
    const std::int32_t max = std::numeric_limits<std::int32_t>::max();
    // The 32-bit product would overflow here; the 64-bit one does not.
    EXPECT_EQ(twipsToThousandths(max), 1491308088);
    EXPECT_EQ(thousandthsToTwips(max), max);
    EXPECT_EQ(scaleRounded(5, 1, 0), 0);
}

} // namespace
