#pragma once

#include <string_view>

// Splits RTF bytes into tokens without recursion and without copying.

namespace richtext {

struct RtfToken {
    enum Type { End, OpenGroup, CloseGroup, Word, Escape, Symbol, Text };
    Type type = End;
    std::string_view word;  // Word: the letters, at most kMaxWordLength of them
    bool hasParam = false;  // Word
    int param = 0;          // Word: saturated to the 32-bit range
    unsigned char byte = 0; // Escape: the byte of \'xx; Symbol: the character after '\'
    std::string_view text;  // Text: raw bytes without CR, LF and NUL
    bool plain = false;     // Text: only printable 7-bit characters and tabs
};

// Value of a hexadecimal digit, or -1.
int hexDigitValue(unsigned char c);

class RtfTokenizer {
public:
    static constexpr size_t kMaxWordLength = 32;

    explicit RtfTokenizer(std::string_view input) : m_input(input) {}

    RtfToken next();

    // Up to count raw bytes (for \bin); fewer when the input ends first.
    std::string_view takeRaw(size_t count);

    // Offset of the next byte to be read.
    size_t position() const { return m_pos; }
    std::string_view input() const { return m_input; }

    // Skips to the brace that closes the current group; that brace is the next token.
    void skipGroup();

private:
    RtfToken controlWord();
    bool atEnd() const { return m_pos >= m_input.size(); }
    unsigned char peek() const { return static_cast<unsigned char>(m_input[m_pos]); }

    std::string_view m_input;
    size_t m_pos = 0;
};

} // namespace richtext
