#include "core/store/StoredText.h"

#include "core/protect/BlowfishEngine.h"
#include "core/protect/ContentCipher.h"
#include "core/store/CppSQLite3Exception.h"
#include "core/store/SqlBinary.h"

#include <algorithm>
#include <cstring>

namespace {

std::string encode(const ContentCipher& cipher) {
    SqlBinary binary;
    binary.setBytes(cipher.data(), cipher.size());
    return binary.encoded();
}

// Decodes the codec text in (zero-terminated) into out, which may be in and must hold as many
// bytes as in's text, deciphers the whole blocks and returns the length of the text up to its
// first zero byte: the steps of SqlBinary and ContentCipher without their copies.
std::size_t decipherInto(const char* in, char* out, const BlowfishEngine& keyed) {
    const int decoded = SqlBinary::decodeBytes(reinterpret_cast<const unsigned char*>(in),
                                               reinterpret_cast<unsigned char*>(out));
    if (decoded < 0)
        throw CppSQLite3Exception(CppSQLite3Exception::kLayerError, "Cannot decode binary");
    const int whole = decoded & ~7;
    keyed.DecipherBuffer(reinterpret_cast<unsigned char*>(out), whole);
    const auto end = std::find(out, out + whole, '\0');
    return static_cast<std::size_t>(end - out);
}

} // namespace

std::string EncipherForStorage(std::string_view plain, std::string_view key) {
    ContentCipher cipher;
    cipher.Encipher(plain, key);
    return encode(cipher);
}

std::string EncipherForStorage(std::string_view plain, const BlowfishEngine& keyed) {
    ContentCipher cipher;
    cipher.Encipher(plain, keyed);
    return encode(cipher);
}

std::string DecipherFromStorage(const char* column, std::string_view key) {
    BlowfishEngine keyed;
    keyed.SetKey(key);
    return DecipherFromStorage(column, keyed);
}

std::string DecipherFromStorage(const char* column, const BlowfishEngine& keyed) {
    if (column == nullptr || *column == '\0')
        return {};
    std::string text(std::strlen(column), '\0');
    text.resize(decipherInto(column, text.data(), keyed));
    return text;
}

std::string_view DecipherInPlace(char* column, const BlowfishEngine& keyed) {
    if (*column == '\0')
        return {};
    return {column, decipherInto(column, column, keyed)};
}
