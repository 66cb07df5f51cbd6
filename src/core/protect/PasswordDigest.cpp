#include "core/protect/PasswordDigest.h"

#include "core/protect/Md5.h"

#include <cstring>

PasswordDigest::PasswordDigest(const char* text) {
    SetText(text);
}

PasswordDigest::PasswordDigest(std::string_view text) {
    SetText(text);
}

bool PasswordDigest::SetText(const char* text) {
    return SetText(text ? std::string_view(text) : std::string_view());
}

bool PasswordDigest::SetText(std::string_view text) {
    const Md5::Digest digest = Md5::of(text.substr(0, text.find('\0')));
    static constexpr char kHex[] = "0123456789abcdef";
    for (std::size_t i = 0; i < digest.size(); ++i) {
        m_digest[i] = digest[i];
        m_hex[2 * i] = kHex[digest[i] >> 4];
        m_hex[2 * i + 1] = kHex[digest[i] & 0xF];
    }
    m_hex[32] = '\0';
    m_valid = true;
    return true;
}
