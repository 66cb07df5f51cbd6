#include "core/protect/ContentCipher.h"
#include "support/Hex.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

namespace {

std::string hexOf(const ContentCipher& c) {
    return ::hexOf(c.data(), static_cast<std::size_t>(c.size()));
}

ContentCipher enciphered(std::string_view text, std::string_view key) {
    ContentCipher c;
    c.Encipher(text, key);
    return c;
}

const std::string kContentKey = "{8E3B9C2A-1D4F-4A6B-9C8D-0123456789AB}";

} // namespace

TEST(ContentCipher, KnownAnswersAndTheirWayBack) {
    const ContentCipher hello = enciphered("Hello, journal!", "secret");
    EXPECT_EQ(hexOf(hello), "64f86077c7257d364cc0b258e6dbab31");
    EXPECT_EQ(hello.Decipher("secret"), "Hello, journal!");

    // A 38-character content key under the empty key: 40 bytes, the last two of them padding.
    const ContentCipher key = enciphered(kContentKey, "");
    EXPECT_EQ(hexOf(key), "9db9737842c345d2fe70ebc43803c6e5709637b12028d0335c48c716db8eac75"
                          "4d3ba4fb3f8776f4");
    EXPECT_EQ(key.Decipher(""), kContentKey);
    EXPECT_NE(key.Decipher("wrong"), kContentKey);
}

TEST(ContentCipher, PadsToWholeBlocksAndRoundTripsAnyLength) {
    std::mt19937 rng(38);
    std::uniform_int_distribution<int> byte(1, 255);
    for (std::size_t length = 0; length < 300; ++length) {
        std::string text(length, '\0');
        for (char& ch : text)
            ch = static_cast<char>(byte(rng));
        const ContentCipher cipher = enciphered(text, kContentKey);
        ASSERT_EQ(cipher.size(), static_cast<int>((length + 7) / 8 * 8)) << length;
        ASSERT_EQ(cipher.Decipher(kContentKey), text) << length;
    }
}

TEST(ContentCipher, TextAndKeyEndAtTheirFirstZeroByte) {
    const ContentCipher cut =
        enciphered(std::string_view("abc\0def", 7), std::string_view("k\0x", 3));
    EXPECT_EQ(cut.size(), 8);
    EXPECT_EQ(hexOf(cut), hexOf(enciphered("abc", "k")));
}

TEST(ContentCipher, MalformedLengthsGiveTheWholeBlocksOnly) {
    const ContentCipher good = enciphered("whole bl", "k"); // exactly one block, no padding
    for (int extra = 0; extra <= 7; ++extra) {
        for (const int blocks : {0, 1}) {
            const int n = 8 * blocks + extra;
            // Exactly sized input, so the sanitizers see any read beyond it.
            auto bytes = std::make_unique<unsigned char[]>(static_cast<std::size_t>(n) + 1);
            for (int i = 0; i < n; ++i)
                bytes[static_cast<std::size_t>(i)] = i < 8 * blocks ? good.data()[i] : 0x7F;
            ContentCipher c;
            c.SetData(bytes.get(), n);
            EXPECT_EQ(c.size(), n);
            EXPECT_EQ(c.Decipher("k"), blocks ? "whole bl" : "") << n;
        }
    }
    ContentCipher c = good;
    c.SetData(c.data(), c.size()); // its own bytes
    EXPECT_EQ(c.Decipher("k"), "whole bl");
    c.SetData(nullptr, 5);
    EXPECT_EQ(c.size(), 0);
    c.SetData(good.data(), -1);
    EXPECT_EQ(c.size(), 0);
    EXPECT_EQ(c.Decipher("k"), "");
    EXPECT_EQ(ContentCipher().Decipher("k"), "");
}
