#pragma once

#include <string>
#include <string_view>
#include <vector>

class BlowfishEngine;

// The byte array through which every stored text passes: Encipher turns a text into
// Blowfish ciphertext (ECB, little-endian halves, zero padding) and holds it; SetData loads
// stored ciphertext and Decipher turns it back into the text.
class ContentCipher {
public:
    // Enciphers the text with the key, both taken up to their first zero byte, with a freshly
    // keyed engine. Afterwards the object holds the ciphertext: the text's length rounded up to
    // a multiple of 8 (an empty text gives no bytes). Throws std::length_error for a text of
    // 2 GiB or more.
    void Encipher(std::string_view text, std::string_view key);
    // Same with an already keyed engine; gives the same bytes as keying with the same key.
    void Encipher(std::string_view text, const BlowfishEngine& keyed);

    // Replaces the contents with a copy of the bytes (null or length <= 0: no bytes).
    void SetData(const unsigned char* data, int length);

    // Deciphers the whole 8-byte blocks held and returns the text up to the first zero byte
    // (or all of them when none is zero). Trailing bytes that do not make a whole block, which
    // the program never writes, are ignored.
    std::string Decipher(std::string_view key) const;
    std::string Decipher(const BlowfishEngine& keyed) const;

    const unsigned char* data() const { return m_bytes.data(); }
    int size() const { return static_cast<int>(m_bytes.size()); }

private:
    std::vector<unsigned char> m_bytes;
};
