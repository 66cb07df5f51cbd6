#include "store/StoredText.h"

#include "protect/BlowfishEngine.h"
#include "protect/ContentCipher.h"
#include "store/SqlBinary.h"

namespace {

std::string encode(const ContentCipher& cipher) {
    SqlBinary binary;
    binary.setBytes(cipher.data(), cipher.size());
    return binary.encoded();
}

// Loads the stored bytes of a column into a cipher; false when there are none.
bool load(const char* column, ContentCipher& cipher) {
    if (column == nullptr || *column == '\0')
        return false;
    SqlBinary binary;
    binary.setEncoded(column);
    const unsigned char* bytes = binary.rawBytes();
    const int length = binary.rawLength();
    if (length <= 0)
        return false;
    cipher.SetData(bytes, length);
    return true;
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
    ContentCipher cipher;
    return load(column, cipher) ? cipher.Decipher(key) : std::string();
}

std::string DecipherFromStorage(const char* column, const BlowfishEngine& keyed) {
    ContentCipher cipher;
    return load(column, cipher) ? cipher.Decipher(keyed) : std::string();
}
