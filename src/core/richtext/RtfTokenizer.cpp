#include "core/richtext/RtfTokenizer.h"

#include <algorithm>
#include <array>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace richtext {

namespace {

// How a byte reads inside a stretch of text: printable 7-bit or tab, any other byte that is
// still text, or a byte that ends the stretch.
enum ByteClass : unsigned char { Plain = 0, Other = 1, Special = 2 };

constexpr std::array<unsigned char, 256> kByteClass = [] {
    std::array<unsigned char, 256> table{};
    for (size_t c = 0; c < 256; ++c)
        table[c] = (c >= 0x20 && c < 0x80) || c == '\t' ? Plain : Other;
    for (unsigned char c : {'\\', '{', '}', '\r', '\n', '\0'})
        table[c] = Special;
    return table;
}();

// Offset of the first byte at or after pos that ends a stretch of text (or size); seen gets
// Other when a byte before it is not Plain.
size_t scanText(const unsigned char* data, size_t pos, size_t size, unsigned char& seen) {
#if defined(__SSE2__)
    // Sixteen bytes at a time: a stretch of prose runs for dozens of bytes between words.
    const __m128i backslash = _mm_set1_epi8('\\');
    const __m128i open = _mm_set1_epi8('{');
    const __m128i close = _mm_set1_epi8('}');
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i zero = _mm_setzero_si128();
    const __m128i tab = _mm_set1_epi8('\t');
    const __m128i space = _mm_set1_epi8(0x20);
    for (; pos + 16 <= size; pos += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + pos));
        const __m128i special = _mm_or_si128(
            _mm_or_si128(_mm_cmpeq_epi8(bytes, backslash),
                         _mm_or_si128(_mm_cmpeq_epi8(bytes, open), _mm_cmpeq_epi8(bytes, close))),
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf)),
                         _mm_cmpeq_epi8(bytes, zero)));
        // Signed: below 0x20 and 0x80 and above are both "less than" a space.
        const __m128i other =
            _mm_andnot_si128(_mm_cmpeq_epi8(bytes, tab), _mm_cmplt_epi8(bytes, space));
        const unsigned specialMask = static_cast<unsigned>(_mm_movemask_epi8(special));
        unsigned otherMask = static_cast<unsigned>(_mm_movemask_epi8(other));
        if (specialMask != 0) {
            const unsigned at = static_cast<unsigned>(__builtin_ctz(specialMask));
            otherMask &= (1u << at) - 1;
            if (otherMask != 0)
                seen |= Other;
            return pos + at;
        }
        if (otherMask != 0)
            seen |= Other;
    }
#endif
    for (unsigned char cls; pos < size && (cls = kByteClass[data[pos]]) != Special; ++pos)
        seen |= cls;
    return pos;
}

bool isLetter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

} // namespace

int hexDigitValue(unsigned char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

RtfToken RtfTokenizer::next() {
    while (!atEnd()) {
        const unsigned char c = peek();
        if (c == '{' || c == '}') {
            ++m_pos;
            RtfToken token;
            token.type = c == '{' ? RtfToken::OpenGroup : RtfToken::CloseGroup;
            return token;
        }
        if (c == '\\') {
            ++m_pos;
            if (atEnd())
                break;
            if (isLetter(peek()))
                return controlWord();
            const unsigned char symbol = peek();
            ++m_pos;
            if (symbol != '\'') {
                RtfToken token;
                token.type = RtfToken::Symbol;
                token.byte = symbol;
                return token;
            }
            // \'xx; a malformed one is dropped, but never eats a brace or backslash.
            int value = 0;
            int digits = 0;
            while (digits < 2 && !atEnd() && kByteClass[peek()] != Special) {
                const int d = hexDigitValue(peek());
                if (d < 0)
                    break;
                value = value * 16 + d;
                ++digits;
                ++m_pos;
            }
            if (digits == 2) {
                RtfToken token;
                token.type = RtfToken::Escape;
                token.byte = static_cast<unsigned char>(value);
                return token;
            }
            continue;
        }
        if (c == '\r' || c == '\n' || c == '\0') {
            ++m_pos;
            continue;
        }
        const size_t start = m_pos;
        unsigned char seen = Plain;
        m_pos = scanText(reinterpret_cast<const unsigned char*>(m_input.data()), start,
                         m_input.size(), seen);
        RtfToken token;
        token.type = RtfToken::Text;
        token.text = m_input.substr(start, m_pos - start);
        token.plain = seen == Plain;
        return token;
    }
    return RtfToken{};
}

RtfToken RtfTokenizer::controlWord() {
    RtfToken token;
    token.type = RtfToken::Word;
    const size_t start = m_pos;
    while (!atEnd() && isLetter(peek()))
        ++m_pos;
    token.word = m_input.substr(start, std::min(m_pos - start, kMaxWordLength));
    bool negative = false;
    if (!atEnd() && peek() == '-' && m_pos + 1 < m_input.size() &&
        isDigit(static_cast<unsigned char>(m_input[m_pos + 1]))) {
        negative = true;
        ++m_pos;
    }
    if (!atEnd() && isDigit(peek())) {
        constexpr long long kLimit = 1LL << 31;
        long long value = 0;
        while (!atEnd() && isDigit(peek())) {
            value = std::min(value * 10 + (peek() - '0'), kLimit);
            ++m_pos;
        }
        if (negative)
            value = -value;
        token.hasParam = true;
        token.param = static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                                             std::numeric_limits<int>::max()));
    }
    if (!atEnd() && peek() == ' ')
        ++m_pos;
    return token;
}

std::string_view RtfTokenizer::takeRaw(size_t count) {
    const size_t n = std::min(count, m_input.size() - m_pos);
    const std::string_view bytes = m_input.substr(m_pos, n);
    m_pos += n;
    return bytes;
}

void RtfTokenizer::skipGroup() {
    size_t depth = 1;
    while (!atEnd()) {
        const unsigned char c = peek();
        if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (--depth == 0)
                return;
        } else if (c == '\\') {
            ++m_pos;
            if (atEnd())
                return;
            if (isLetter(peek())) {
                const RtfToken word = controlWord();
                if (word.word == "bin" && word.hasParam && word.param > 0)
                    takeRaw(static_cast<size_t>(word.param));
                continue;
            }
        }
        ++m_pos;
    }
}

} // namespace richtext
