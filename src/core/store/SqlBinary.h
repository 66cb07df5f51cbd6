#pragma once

#include <cstdlib>
#include <memory>

// Holds a byte string either raw or as text that can stand inside an SQL string literal (no
// zero byte, no apostrophe), converting on demand. The text form is part of the file format.
class SqlBinary {
public:
    SqlBinary() = default;

    void setBytes(const unsigned char* data, int length);
    void setEncoded(const char* text); // nullptr (a NULL column) counts as the empty text
    const char* encoded();             // zero-terminated
    const unsigned char* rawBytes();
    int rawLength();
    void clear();

    // out must hold encodedBufferSize(n) bytes; returns the encoded length (without the zero).
    static int encodeBytes(const unsigned char* in, int n, unsigned char* out);
    // in is zero-terminated; out may be in. Returns the decoded length, -1 when malformed.
    static int decodeBytes(const unsigned char* in, unsigned char* out);
    // Room for the encoded form of n raw bytes and its zero. 64-bit: for inputs above about
    // 8 MB the product 257 * n no longer fits an int.
    static long long encodedBufferSize(int n);

private:
    struct FreeDeleter {
        void operator()(unsigned char* p) const { std::free(p); }
    };
    using Buffer = std::unique_ptr<unsigned char[], FreeDeleter>;

    static Buffer allocate(long long size);

    Buffer m_buffer; // raw bytes or encoded text, never both
    int m_rawLength = 0;
    int m_encodedLength = 0;
    bool m_isEncoded = false;
};
