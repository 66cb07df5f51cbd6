// Deciphering a stored column in one buffer against the way through SqlBinary and
// ContentCipher, each step on its own copy: the same text, or the same failure.
#include "core/protect/BlowfishEngine.h"
#include "core/protect/ContentCipher.h"
#include "core/store/CppSQLite3Exception.h"
#include "core/store/SqlBinary.h"
#include "core/store/StoredText.h"

#include <gtest/gtest.h>

namespace {

const std::string kKey = "{11111111-2222-3333-4444-555555555555}";

// The text, or "failure: " and the message.
template <class Decipher> std::string caught(Decipher&& decipher) {
    try {
        return decipher();
    } catch (const CppSQLite3Exception& e) {
        return std::string("failure: ") + e.message();
    }
}

std::string throughCopies(const char* column) {
    if (column == nullptr || *column == '\0')
        return {};
    return caught([column] {
        SqlBinary binary;
        binary.setEncoded(column);
        const unsigned char* bytes = binary.rawBytes();
        ContentCipher cipher;
        cipher.SetData(bytes, binary.rawLength());
        return cipher.Decipher(kKey);
    });
}

std::string stored(const std::string& raw) {
    SqlBinary binary;
    binary.setBytes(reinterpret_cast<const unsigned char*>(raw.data()),
                    static_cast<int>(raw.size()));
    return binary.encoded();
}

} // namespace

TEST(StoredText, OneBufferDeciphersAsTheStepsThroughCopies) {
    BlowfishEngine keyed;
    keyed.SetKey(kKey);
    const std::string enciphered = EncipherForStorage("{\\rtf1 a day at the sea}", keyed);
    const std::string zeroInside = EncipherForStorage(std::string("ab\0cd", 5), keyed);
    std::string zeros("12345678\0\0\0\0\0\0\0\0", 16);
    keyed.EncipherBuffer(reinterpret_cast<unsigned char*>(zeros.data()), 16);
    const std::string cases[] = {
        "",
        enciphered,
        std::string(enciphered, 0, enciphered.size() - 3), // a partial last block
        stored(std::string(5, 'q')),                       // no whole block
        stored(zeros),                                     // deciphers to bytes with zeros
        std::string(1, '\x05'),                            // the offset byte alone
        "\005ab\001",                                      // an escape cut short
        "\005ab\001\011",                                  // an escape that means nothing
        enciphered + std::string("\0tail", 5),             // a zero byte ends the column
        zeroInside,
    };
    for (const std::string& column : cases) {
        const std::string expected = throughCopies(column.c_str());
        EXPECT_EQ(caught([&] { return DecipherFromStorage(column.c_str(), keyed); }), expected)
            << column;
        EXPECT_EQ(caught([&] { return DecipherFromStorage(column.c_str(), kKey); }), expected)
            << column;
        std::string inPlace = column;
        EXPECT_EQ(caught([&] { return std::string(DecipherInPlace(inPlace.data(), keyed)); }),
                  expected)
            << column;
    }
    EXPECT_EQ(DecipherFromStorage(nullptr, keyed), "");
    EXPECT_EQ(DecipherFromStorage(enciphered.c_str(), keyed), "{\\rtf1 a day at the sea}");
    // The malformed cases fail on the way through copies too, so the table compares failures.
    EXPECT_NE(throughCopies("\005ab\001\011").find("Cannot decode binary"), std::string::npos);
}
