#pragma once

#include <string_view>

// The digest a protected journal keeps of its password: MD5 (RFC 1321) over the
// password's bytes up to its first zero byte, nothing added, written as 32 lower-case
// hexadecimal digits.
class PasswordDigest {
public:
    // Empty: not valid, HexDigest() is null.
    PasswordDigest() = default;
    // Computes at once (a null pointer is the empty text).
    explicit PasswordDigest(const char* text);
    explicit PasswordDigest(std::string_view text);

    // Computes the digest of the text; always returns true.
    bool SetText(const char* text);
    bool SetText(std::string_view text);

    // The 32 lower-case hexadecimal digits while a digest has been computed, else null.
    const char* HexDigest() const { return m_valid ? m_hex : nullptr; }
    // The 16 digest bytes (all zero while none has been computed).
    const unsigned char* digest() const { return m_digest; }

private:
    bool m_valid = false;
    unsigned char m_digest[16] = {};
    char m_hex[33] = {};
};
