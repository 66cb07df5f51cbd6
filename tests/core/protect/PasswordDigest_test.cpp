#define OPENSSL_SUPPRESS_DEPRECATED
#include "core/protect/Md5.h"
#include "core/protect/PasswordDigest.h"
#include "support/Hex.h"

#include <openssl/md5.h>

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

// MD5 itself is compared with OpenSSL's on every length from 0 to 300 bytes (below).
TEST(PasswordDigest, ValidOnlyAfterATextAndEndsAtTheFirstZero) {
    PasswordDigest digest;
    EXPECT_EQ(digest.HexDigest(), nullptr);
    EXPECT_TRUE(digest.SetText("secret"));
    ASSERT_NE(digest.HexDigest(), nullptr);
    EXPECT_STREQ(digest.HexDigest(), "5ebe2294ecd0e0f08eab7690d2a6ee69");
    EXPECT_EQ(hexOf(digest.digest(), 16), digest.HexDigest());
    EXPECT_TRUE(digest.SetText(std::string_view("abc\0def", 7)));
    EXPECT_STREQ(digest.HexDigest(), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_STREQ(PasswordDigest(static_cast<const char*>(nullptr)).HexDigest(),
                 "d41d8cd98f00b204e9800998ecf8427e");
    // Windows-1252 bytes are digested as they are.
    EXPECT_STREQ(
        PasswordDigest("caf\xe9").HexDigest(),
        hexOf(MD5(reinterpret_cast<const unsigned char*>("caf\xe9"), 4, nullptr), 16).c_str());
}

TEST(Md5, AgreesWithOpenSslWholeAndInPieces) {
    std::mt19937 rng(1321);
    std::uniform_int_distribution<int> byte(0, 255);
    for (std::size_t length = 0; length <= 300; ++length) {
        std::string input(length, '\0');
        for (char& ch : input)
            ch = static_cast<char>(byte(rng));
        unsigned char expected[16];
        MD5(reinterpret_cast<const unsigned char*>(input.data()), length, expected);
        ASSERT_EQ(hexOf(Md5::of(input).data(), 16), hexOf(expected, 16)) << length;

        Md5 pieces; // random piece sizes cross the 64-byte block boundaries at every offset
        for (std::size_t at = 0; at < length;) {
            const std::size_t piece = std::min<std::size_t>(
                length - at, std::uniform_int_distribution<std::size_t>(0, 70)(rng));
            pieces.update(input.data() + at, piece);
            at += piece;
        }
        ASSERT_EQ(hexOf(pieces.finish().data(), 16), hexOf(expected, 16)) << length;
        ASSERT_EQ(hexOf(pieces.finish().data(), 16), "d41d8cd98f00b204e9800998ecf8427e"); // reset
    }
}
