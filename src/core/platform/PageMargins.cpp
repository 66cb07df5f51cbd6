#include "core/platform/PageMargins.h"

#include <limits>

std::int32_t scaleRounded(std::int32_t value, std::int32_t numerator, std::int32_t denominator) {
    if (denominator == 0)
        return 0;
    std::int64_t product = std::int64_t{value} * numerator;
    std::int64_t d = denominator;
    if (d < 0) {
        product = -product;
        d = -d;
    }
    const std::int64_t half = d / 2;
    const std::int64_t result = product >= 0 ? (product + half) / d : -((-product + half) / d);
    // A margin the dialog cannot hold is clamped rather than wrapped into a negative one.
    if (result > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (result < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(result);
}
