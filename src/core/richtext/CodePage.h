#pragma once

#include <array>
#include <memory>

// Decodes the bytes of a Windows code page (single-byte, or double-byte for the East Asian
// ones) to UTF-16, with tables built once per code page from the C library's iconv.

namespace richtext {

class CodePage {
public:
    // The code page for a Windows code page number; an unknown one falls back to 1252.
    static const CodePage& get(int windowsCodePage);

    // The code page an RTF \fcharset stands for, or 0 when the charset says "use \ansicpg".
    static int forCharset(int charset);

    int number() const { return m_number; }
    char16_t decode(unsigned char byte) const { return m_single[byte]; }
    bool isLeadByte(unsigned char byte) const { return m_double && m_lead[byte]; }
    char16_t decode(unsigned char lead, unsigned char trail) const;

    explicit CodePage(int windowsCodePage);

private:
    int m_number;
    std::array<char16_t, 256> m_single{};
    std::array<bool, 256> m_lead{};
    std::unique_ptr<std::array<char16_t, 0x8000 * 2>> m_double; // [lead - 0x80][trail]
};

} // namespace richtext
