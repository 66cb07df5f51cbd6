#include "core/store/SqlBinary.h"

#include "core/store/CppSQLite3Exception.h"

#include <climits>
#include <cstdint>
#include <cstring>

namespace {

constexpr unsigned char kEscape = 1;
constexpr unsigned char kQuote = 39;

[[noreturn]] void raise(const char* detail) {
    throw CppSQLite3Exception(CppSQLite3Exception::kLayerError, detail);
}

// The offset whose shifted values hit 0, 1 and 39 least often; the first of equal ones wins.
unsigned char chooseOffset(const unsigned char* in, int n) {
    // Four tables so that runs of one byte value do not serialise on one counter.
    uint32_t counts[4][256] = {};
    int i = 0;
    for (; i + 4 <= n; i += 4) {
        ++counts[0][in[i]];
        ++counts[1][in[i + 1]];
        ++counts[2][in[i + 2]];
        ++counts[3][in[i + 3]];
    }
    for (; i < n; ++i)
        ++counts[0][in[i]];
    long long cnt[256];
    for (int v = 0; v < 256; ++v)
        cnt[v] = static_cast<long long>(counts[0][v]) + counts[1][v] + counts[2][v] + counts[3][v];

    long long best = n;
    unsigned char offset = 0;
    for (int e = 1; e < 256; ++e) {
        if (e == kQuote)
            continue;
        const long long cost = cnt[e] + cnt[(e + 1) & 0xFF] + cnt[(e + kQuote) & 0xFF];
        if (cost < best) {
            best = cost;
            offset = static_cast<unsigned char>(e);
            if (cost == 0)
                break;
        }
    }
    return offset;
}

} // namespace

long long SqlBinary::encodedBufferSize(int n) {
    return 3 + (257LL * (n > 0 ? n : 0)) / 254;
}

int SqlBinary::encodeBytes(const unsigned char* in, int n, unsigned char* out) {
    if (n <= 0) {
        out[0] = 'x';
        out[1] = 0;
        return 1;
    }
    const unsigned char offset = chooseOffset(in, n);
    unsigned char* p = out;
    *p++ = offset;
    for (int i = 0; i < n; ++i) {
        const auto c = static_cast<unsigned char>(in[i] - offset);
        if (c > kEscape && c != kQuote) {
            *p++ = c;
        } else {
            *p++ = kEscape;
            *p++ = c == 0 ? 1 : c == kEscape ? 2 : 3;
        }
    }
    *p = 0;
    return static_cast<int>(p - out);
}

int SqlBinary::decodeBytes(const unsigned char* in, unsigned char* out) {
    if (!in || in[0] == 0)
        return 0; // no offset byte: nothing was stored
    const unsigned char offset = in[0];
    const unsigned char* p = in + 1;
    unsigned char* q = out;
    // The writer never overtakes the reader, so decoding in place is safe.
    for (unsigned char c; (c = *p++) != 0;) {
        if (c == kEscape) {
            switch (*p++) {
            case 1:
                c = 0;
                break;
            case 2:
                c = kEscape;
                break;
            case 3:
                c = kQuote;
                break;
            default: // includes the terminator: nothing behind it is read
                return -1;
            }
        }
        *q++ = static_cast<unsigned char>(c + offset);
    }
    return static_cast<int>(q - out);
}

SqlBinary::Buffer SqlBinary::allocate(long long size) {
    if (size <= 0 || size > INT_MAX)
        raise("Cannot allocate memory");
    Buffer buffer(static_cast<unsigned char*>(std::malloc(static_cast<size_t>(size))));
    if (!buffer)
        raise("Cannot allocate memory");
    return buffer;
}

void SqlBinary::setBytes(const unsigned char* data, int length) {
    if (!data || length < 0)
        length = 0;
    const long long size = encodedBufferSize(length);
    Buffer buffer = allocate(size);
    if (length > 0)
        std::memcpy(buffer.get(), data, static_cast<size_t>(length));
    m_buffer = std::move(buffer);
    m_rawLength = length;
    m_encodedLength = 0;
    m_isEncoded = false;
}

void SqlBinary::setEncoded(const char* text) {
    if (!text)
        text = "";
    const size_t length = std::strlen(text);
    const long long size =
        length < static_cast<size_t>(INT_MAX) ? static_cast<long long>(length) + 1 : -1;
    Buffer buffer = allocate(size);
    std::memcpy(buffer.get(), text, length + 1);
    m_buffer = std::move(buffer);
    m_encodedLength = static_cast<int>(length);
    m_rawLength = 0;
    m_isEncoded = true;
}

const char* SqlBinary::encoded() {
    if (!m_isEncoded) {
        const long long size = encodedBufferSize(m_rawLength);
        Buffer text = allocate(size);
        m_encodedLength = encodeBytes(m_buffer.get(), m_rawLength, text.get());
        m_buffer = std::move(text);
        m_isEncoded = true;
    }
    return reinterpret_cast<const char*>(m_buffer.get());
}

const unsigned char* SqlBinary::rawBytes() {
    if (m_isEncoded) {
        // Decoded into a fresh buffer rather than in place, so that a malformed text
        // is still intact after the failure.
        Buffer raw = allocate(static_cast<long long>(m_encodedLength) + 1);
        const int length = decodeBytes(m_buffer.get(), raw.get());
        if (length < 0)
            raise("Cannot decode binary");
        m_buffer = std::move(raw);
        m_rawLength = length;
        m_encodedLength = 0;
        m_isEncoded = false;
    }
    return m_buffer.get();
}

int SqlBinary::rawLength() {
    rawBytes();
    return m_rawLength;
}

void SqlBinary::clear() {
    m_buffer.reset();
    m_rawLength = 0;
    m_encodedLength = 0;
    m_isEncoded = false;
}
