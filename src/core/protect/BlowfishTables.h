#pragma once

#include <cstdint>

// The whole Blowfish state: the P-array and the four S-boxes, all unsigned 32-bit words.
struct BlowfishState {
    std::uint32_t p[18];
    std::uint32_t s[4][256];
};

// The standard initial state as published with the algorithm: the fractional part of pi in
// hexadecimal, taken 32 bits at a time, filling P[0..17] and then S0, S1, S2, S3 in order
// (P[0] = 0x243F6A88, the first eight hexadecimal digits after the point).
extern const BlowfishState kBlowfishInitialState;
