#pragma once

#include "core/protect/BlowfishTables.h"

#include <cstdint>
#include <string_view>

// Blowfish as the journal file needs it: the standard 16-round block cipher, keys of
// up to 255 bytes (only the first 72 matter), and buffers of 8-byte blocks whose halves are
// little-endian 32-bit words. The empty key leaves the initial tables in place; enciphering in
// that state is what we call using the empty key (unprotected journals).
//
// A keyed engine may be copied and then used from const members only, so a session can key once
// and reuse the engine for every value.
class BlowfishEngine {
public:
    BlowfishEngine();
    // Reloads the initial tables, so no key-dependent state outlives the engine.
    ~BlowfishEngine();
    BlowfishEngine(const BlowfishEngine&) = default;
    BlowfishEngine& operator=(const BlowfishEngine&) = default;

    // Loads the initial P-array and S-boxes.
    void Reset();

    // Keys the engine with a zero-terminated key of which at most 255 bytes are used (a null
    // pointer is the empty key). Resets first; an empty key runs no key schedule.
    void SetKey(const char* key);
    // Same, with the key taken up to its first zero byte.
    void SetKey(std::string_view key);

    // Zero-pads the n bytes of buf to the next multiple of 8 (the buffer must have room for n+7
    // bytes), enciphers every block in place and returns the padded length. n <= 0 gives 0.
    int EncipherBuffer(unsigned char* buf, int n) const;
    // Deciphers the whole 8-byte blocks of the n bytes in place. A trailing partial block is
    // neither read nor written; n <= 0 does nothing.
    void DecipherBuffer(unsigned char* buf, int n) const;

    void EncipherBlock(std::uint32_t& left, std::uint32_t& right) const;
    void DecipherBlock(std::uint32_t& left, std::uint32_t& right) const;

private:
    BlowfishState m_state;
};
