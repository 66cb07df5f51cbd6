#pragma once

#include <string>
#include <string_view>

// Bytes as lower-case hexadecimal, two digits each.
inline std::string hexOf(std::string_view bytes) {
    std::string out;
    for (const unsigned char b : bytes)
        out += {"0123456789abcdef"[b >> 4], "0123456789abcdef"[b & 15]};
    return out;
}
inline std::string hexOf(const unsigned char* bytes, std::size_t size) {
    return hexOf(std::string_view(reinterpret_cast<const char*>(bytes), size));
}
