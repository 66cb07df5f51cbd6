#pragma once

#include <cstdint>

// Page margins as the application keeps them (twips, 1/1440 inch) and as the page setup dialog
// shows them (thousandths of an inch). Entry printing reads the twips.
struct PageMargins {
    std::int32_t left = 1800;
    std::int32_t top = 1440;
    std::int32_t right = 1800;
    std::int32_t bottom = 1440;

    bool operator==(const PageMargins&) const = default;
};

// value * numerator / denominator, rounded to the nearest integer (halves away from zero), with
// a 64-bit product so large margins do not overflow.
std::int32_t scaleRounded(std::int32_t value, std::int32_t numerator, std::int32_t denominator);

inline std::int32_t twipsToThousandths(std::int32_t twips) {
    return scaleRounded(twips, 1000, 1440);
}
inline std::int32_t thousandthsToTwips(std::int32_t thousandths) {
    return scaleRounded(thousandths, 1440, 1000);
}
