#include "core/protect/BlowfishEngine.h"

#include <cstring>

namespace {

inline std::uint32_t roundF(const BlowfishState& st, std::uint32_t x) {
    return ((st.s[0][x >> 24] + st.s[1][(x >> 16) & 0xFF]) ^ st.s[2][(x >> 8) & 0xFF]) +
           st.s[3][x & 0xFF];
}

// Two rounds per step, so the halves never swap places; after the sixteenth round the last swap
// is undone, which here means writing l and r back crosswise.
inline void encrypt(const BlowfishState& st, std::uint32_t& left, std::uint32_t& right) {
    std::uint32_t l = left;
    std::uint32_t r = right;
#pragma GCC unroll 8
    for (int i = 0; i < 16; i += 2) {
        l ^= st.p[i];
        r ^= roundF(st, l);
        r ^= st.p[i + 1];
        l ^= roundF(st, r);
    }
    left = r ^ st.p[17];
    right = l ^ st.p[16];
}

inline void decrypt(const BlowfishState& st, std::uint32_t& left, std::uint32_t& right) {
    std::uint32_t l = left;
    std::uint32_t r = right;
#pragma GCC unroll 8
    for (int i = 17; i > 1; i -= 2) {
        l ^= st.p[i];
        r ^= roundF(st, l);
        r ^= st.p[i - 1];
        l ^= roundF(st, r);
    }
    left = r ^ st.p[0];
    right = l ^ st.p[1];
}

// Eight independent blocks at once: one block's rounds wait on table loads, so interleaving
// keeps the load ports busy (ECB blocks do not depend on each other). The lanes must stay in
// general registers: packed into vector registers by the compiler, every table lookup costs
// shuffles, and deciphering runs at half the speed (see the build's note on this file).
constexpr int kLanes = 8;

inline void decryptLanes(const BlowfishState& st, std::uint32_t (&l)[kLanes],
                         std::uint32_t (&r)[kLanes]) {
#pragma GCC unroll 8
    for (int i = 17; i > 1; i -= 2) {
        for (int k = 0; k < kLanes; ++k) {
            l[k] ^= st.p[i];
            r[k] ^= roundF(st, l[k]);
        }
        for (int k = 0; k < kLanes; ++k) {
            r[k] ^= st.p[i - 1];
            l[k] ^= roundF(st, r[k]);
        }
    }
    for (int k = 0; k < kLanes; ++k) {
        const std::uint32_t left = r[k] ^ st.p[0];
        r[k] = l[k] ^ st.p[1];
        l[k] = left;
    }
}

inline std::uint32_t loadLE(const unsigned char* b) {
    return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
           std::uint32_t(b[3]) << 24;
}

inline void storeLE(unsigned char* b, std::uint32_t w) {
    b[0] = static_cast<unsigned char>(w);
    b[1] = static_cast<unsigned char>(w >> 8);
    b[2] = static_cast<unsigned char>(w >> 16);
    b[3] = static_cast<unsigned char>(w >> 24);
}

} // namespace

BlowfishEngine::BlowfishEngine() : m_state(kBlowfishInitialState) {}

BlowfishEngine::~BlowfishEngine() {
    Reset();
    // The object dies here; keep the compiler from dropping the stores as dead.
    asm volatile("" : : "r"(&m_state) : "memory");
}

void BlowfishEngine::Reset() {
    m_state = kBlowfishInitialState;
}

void BlowfishEngine::SetKey(const char* key) {
    SetKey(key ? std::string_view(key, ::strnlen(key, 255)) : std::string_view());
}

void BlowfishEngine::SetKey(std::string_view key) {
    key = key.substr(0, key.find('\0'));
    if (key.size() > 255)
        key = key.substr(0, 255);
    Reset();
    if (key.empty())
        return;

    // Key bytes taken cyclically, the first of each four as the most significant.
    std::size_t pos = 0;
    for (std::uint32_t& p : m_state.p) {
        std::uint32_t word = 0;
        for (int j = 0; j < 4; ++j) {
            word = word << 8 | static_cast<unsigned char>(key[pos]);
            if (++pos == key.size())
                pos = 0;
        }
        p ^= word;
    }

    std::uint32_t l = 0;
    std::uint32_t r = 0;
    for (int i = 0; i < 18; i += 2) {
        encrypt(m_state, l, r);
        m_state.p[i] = l;
        m_state.p[i + 1] = r;
    }
    for (auto& box : m_state.s) {
        for (int i = 0; i < 256; i += 2) {
            encrypt(m_state, l, r);
            box[i] = l;
            box[i + 1] = r;
        }
    }
}

int BlowfishEngine::EncipherBuffer(unsigned char* buf, int n) const {
    if (n <= 0)
        return 0;
    const int padded = (n + 7) & ~7;
    std::memset(buf + n, 0, static_cast<std::size_t>(padded - n));
    for (unsigned char* b = buf; b != buf + padded; b += 8) {
        std::uint32_t l = loadLE(b);
        std::uint32_t r = loadLE(b + 4);
        encrypt(m_state, l, r);
        storeLE(b, l);
        storeLE(b + 4, r);
    }
    return padded;
}

void BlowfishEngine::DecipherBuffer(unsigned char* buf, int n) const {
    if (n <= 0)
        return;
    const int whole = n & ~7;
    const int laned = n & ~(8 * kLanes - 1);
    for (unsigned char* b = buf; b != buf + laned; b += 8 * kLanes) {
        std::uint32_t l[kLanes];
        std::uint32_t r[kLanes];
        for (int k = 0; k < kLanes; ++k) {
            l[k] = loadLE(b + 8 * k);
            r[k] = loadLE(b + 8 * k + 4);
        }
        decryptLanes(m_state, l, r);
        for (int k = 0; k < kLanes; ++k) {
            storeLE(b + 8 * k, l[k]);
            storeLE(b + 8 * k + 4, r[k]);
        }
    }
    for (unsigned char* b = buf + laned; b != buf + whole; b += 8) {
        std::uint32_t l = loadLE(b);
        std::uint32_t r = loadLE(b + 4);
        decrypt(m_state, l, r);
        storeLE(b, l);
        storeLE(b + 4, r);
    }
}

void BlowfishEngine::EncipherBlock(std::uint32_t& left, std::uint32_t& right) const {
    encrypt(m_state, left, right);
}

void BlowfishEngine::DecipherBlock(std::uint32_t& left, std::uint32_t& right) const {
    decrypt(m_state, left, right);
}
