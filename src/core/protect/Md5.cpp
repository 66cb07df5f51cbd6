#include "core/protect/Md5.h"

#include "core/protect/Secrets.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

// RFC 1321, step 4: T[i] = floor(2^32 * |sin(i + 1)|), the angle in radians.
constexpr std::uint32_t kSine[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391,
};

// Rotation amounts of the four rounds, four per round, repeating.
constexpr int kShift[4][4] = {{7, 12, 17, 22}, {5, 9, 14, 20}, {4, 11, 16, 23}, {6, 10, 15, 21}};

inline std::uint32_t loadLE(const unsigned char* b) {
    return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
           std::uint32_t(b[3]) << 24;
}

inline void storeLE(unsigned char* b, std::uint32_t w) {
    for (int i = 0; i < 4; ++i)
        b[i] = static_cast<unsigned char>(w >> (8 * i));
}

// One operation [abcd k s i]: a = b + ((a + f(b,c,d) + X[k] + T[i]) <<< s), after which the
// words move one place (a,b,c,d) <- (d,a,b,c).
#define MD5_STEP(f_expr, k, i)                                                                     \
    do {                                                                                           \
        const std::uint32_t f = (f_expr);                                                          \
        const std::uint32_t rotated =                                                              \
            std::rotl(a + f + x[(k)] + kSine[(i)], kShift[(i) / 16][(i) % 4]);                     \
        a = d;                                                                                     \
        d = c;                                                                                     \
        c = b;                                                                                     \
        b = b + rotated;                                                                           \
    } while (0)

} // namespace

void Md5::reset() {
    m_state[0] = 0x67452301;
    m_state[1] = 0xefcdab89;
    m_state[2] = 0x98badcfe;
    m_state[3] = 0x10325476;
    m_length = 0;
    m_buffered = 0;
    // The buffer may hold a password's bytes.
    WipeSecret(m_buffer, sizeof m_buffer);
}

void Md5::compress(const unsigned char* block) {
    std::uint32_t x[16];
    for (int i = 0; i < 16; ++i)
        x[i] = loadLE(block + 4 * i);
    std::uint32_t a = m_state[0], b = m_state[1], c = m_state[2], d = m_state[3];

    // F = (b & c) | (~b & d), written d ^ (b & (c ^ d)); G = (b & d) | (c & ~d), whose two terms
    // never share a bit, so they may be added, which keeps b off the longer path; H = b ^ c ^ d;
    // I = c ^ (b | ~d).
#pragma GCC unroll 16
    for (int i = 0; i < 16; ++i)
        MD5_STEP(d ^ (b & (c ^ d)), i, i);
#pragma GCC unroll 16
    for (int i = 16; i < 32; ++i)
        MD5_STEP((c & ~d) + (b & d), (1 + 5 * i) % 16, i);
#pragma GCC unroll 16
    for (int i = 32; i < 48; ++i)
        MD5_STEP(b ^ c ^ d, (5 + 3 * i) % 16, i);
#pragma GCC unroll 16
    for (int i = 48; i < 64; ++i)
        MD5_STEP(c ^ (b | ~d), (7 * i) % 16, i);

    m_state[0] += a;
    m_state[1] += b;
    m_state[2] += c;
    m_state[3] += d;
    WipeSecret(x, sizeof x); // message words of a password
}

void Md5::update(const void* data, std::size_t length) {
    if (length == 0)
        return;
    auto in = static_cast<const unsigned char*>(data);
    m_length += length;
    if (m_buffered > 0) {
        const std::size_t take = std::min(length, 64 - m_buffered);
        std::memcpy(m_buffer + m_buffered, in, take);
        m_buffered += take;
        in += take;
        length -= take;
        if (m_buffered < 64)
            return;
        compress(m_buffer);
        m_buffered = 0;
    }
    for (; length >= 64; in += 64, length -= 64)
        compress(in);
    if (length > 0)
        std::memcpy(m_buffer, in, length);
    m_buffered = length;
}

Md5::Digest Md5::finish() {
    // A one bit, zeros up to 56 bytes modulo 64, then the message length in bits as a 64-bit
    // little-endian number.
    const std::uint64_t bits = m_length * 8;
    unsigned char tail[72] = {0x80};
    const std::size_t zeros = (m_buffered < 56 ? 56 : 120) - m_buffered;
    for (int i = 0; i < 8; ++i)
        tail[zeros + i] = static_cast<unsigned char>(bits >> (8 * i));
    update(tail, zeros + 8);

    Digest digest;
    for (int i = 0; i < 4; ++i)
        storeLE(digest.data() + 4 * i, m_state[i]);
    reset();
    return digest;
}

Md5::Digest Md5::of(std::string_view bytes) {
    Md5 md5;
    md5.update(bytes);
    return md5.finish();
}
