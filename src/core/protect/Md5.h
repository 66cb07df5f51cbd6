#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// MD5 message digest as published in RFC 1321.
class Md5 {
public:
    using Digest = std::array<unsigned char, 16>;

    Md5() { reset(); }

    void reset();
    void update(const void* data, std::size_t length);
    void update(std::string_view bytes) { update(bytes.data(), bytes.size()); }
    // Pads the message, returns its digest and resets the object for the next message.
    Digest finish();

    static Digest of(std::string_view bytes);

private:
    void compress(const unsigned char* block);

    std::uint32_t m_state[4];
    std::uint64_t m_length; // bytes so far
    unsigned char m_buffer[64];
    std::size_t m_buffered;
};
