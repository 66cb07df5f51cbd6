#include "core/protect/ContentCipher.h"

#include "core/protect/BlowfishEngine.h"

#include <climits>
#include <cstring>
#include <stdexcept>

void ContentCipher::Encipher(std::string_view text, std::string_view key) {
    BlowfishEngine engine;
    engine.SetKey(key);
    Encipher(text, engine);
}

void ContentCipher::Encipher(std::string_view text, const BlowfishEngine& keyed) {
    text = text.substr(0, text.find('\0'));
    if (text.size() > static_cast<std::size_t>(INT_MAX - 8))
        throw std::length_error("ContentCipher: text too long");
    // A fresh array, so a text that views our own bytes is read before they change.
    std::vector<unsigned char> bytes(text.size() + 8);
    if (!text.empty())
        std::memcpy(bytes.data(), text.data(), text.size());
    bytes.resize(static_cast<std::size_t>(
        keyed.EncipherBuffer(bytes.data(), static_cast<int>(text.size()))));
    m_bytes.swap(bytes);
}

void ContentCipher::SetData(const unsigned char* data, int length) {
    std::vector<unsigned char> bytes;
    if (data && length > 0)
        bytes.assign(data, data + length);
    m_bytes.swap(bytes);
}

std::string ContentCipher::Decipher(std::string_view key) const {
    BlowfishEngine engine;
    engine.SetKey(key);
    return Decipher(engine);
}

std::string ContentCipher::Decipher(const BlowfishEngine& keyed) const {
    const std::size_t whole = m_bytes.size() & ~std::size_t(7);
    if (whole == 0)
        return {};
    std::string text(reinterpret_cast<const char*>(m_bytes.data()), whole);
    keyed.DecipherBuffer(reinterpret_cast<unsigned char*>(text.data()), static_cast<int>(whole));
    text.resize(std::strlen(text.c_str()));
    return text;
}
