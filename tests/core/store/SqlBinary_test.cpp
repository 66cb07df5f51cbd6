#include "core/store/SqlBinary.h"
#include "support/SqlErrors.h"

#include <climits>
#include <cstring>
#include <numeric>
#include <random>
#include <vector>

using Bytes = std::vector<unsigned char>;

// Encodes into a buffer of exactly the documented size (the sanitizers see any overrun),
// checks the text's promises and decodes it back in place.
static Bytes roundTrip(const Bytes& in) {
    const int n = static_cast<int>(in.size());
    Bytes text(static_cast<size_t>(SqlBinary::encodedBufferSize(n)));
    const int length = SqlBinary::encodeBytes(in.data(), n, text.data());
    EXPECT_EQ(std::strlen(reinterpret_cast<const char*>(text.data())), size_t(length)) << n;
    EXPECT_FALSE(std::memchr(text.data(), '\'', size_t(length))) << n;
    const int decoded = SqlBinary::decodeBytes(text.data(), text.data());
    return decoded < 0 ? Bytes{42} : Bytes(text.begin(), text.begin() + decoded);
}

TEST(SqlBinaryCodec, RoundTripsEveryLengthAndTheWorstHistogram) {
    std::mt19937 rng(20040705);
    const unsigned char narrow[] = {0, 1, 2, 39, 40, 255}; // values that get escaped
    for (size_t n = 0; n <= 3000; ++n) {
        Bytes wide(n), skewed(n);
        for (size_t i = 0; i < n; ++i) {
            wide[i] = static_cast<unsigned char>(rng());
            skewed[i] = narrow[rng() % 6];
        }
        ASSERT_EQ(roundTrip(wide), wide) << n;
        ASSERT_EQ(roundTrip(skewed), skewed) << n;
    }
    Bytes even(256 * 1000); // every value equally often: every offset needs the most escapes
    std::iota(even.begin(), even.end(), static_cast<unsigned char>(0)); // 0..255 over and over
    EXPECT_EQ(roundTrip(even), even);
}

TEST(SqlBinaryCodec, KnownEncodings) {
    // Worked by hand: offset byte, then each byte minus the offset, 0/1/39 as 1 1, 1 2, 1 3.
    const std::pair<Bytes, const char*> cases[] = {
        {{}, "x"}, {{'A', 'B', 'C'}, "\x01@AB"}, {{1, 2, 40}, "\x03\xfe\xff%"}};
    for (const auto& [in, expected] : cases) {
        Bytes text(8);
        SqlBinary::encodeBytes(in.data(), int(in.size()), text.data());
        EXPECT_STREQ(reinterpret_cast<const char*>(text.data()), expected);
    }
    // All 256 values cost 3 under every offset: the first, 1, wins the tie.
    Bytes all(256), text(300);
    std::iota(all.begin(), all.end(), static_cast<unsigned char>(0));
    ASSERT_EQ(SqlBinary::encodeBytes(all.data(), 256, text.data()), 260);
    EXPECT_EQ(Bytes(text.begin(), text.begin() + 7), (Bytes{1, 0xff, 1, 1, 1, 2, 2}));
    EXPECT_EQ(Bytes(text.begin() + 42, text.begin() + 46), (Bytes{38, 1, 3, 40})); // 39..41
}

TEST(SqlBinaryCodec, EmptyAndMalformedTextsStayInsideTheValue) {
    for (const char* text : {"", "x", "\x05", "\x05\x01", "\x05\x01\x04", "\x05\x01\xff"}) {
        const Bytes in(text, text + std::strlen(text) + 1); // exact size: no read past the zero
        Bytes out(in.size());
        EXPECT_EQ(SqlBinary::decodeBytes(in.data(), out.data()), std::strchr(text, 1) ? -1 : 0)
            << text;
    }
    SqlBinary fromNull, fromEmpty, fresh, bad;
    fromNull.setEncoded(nullptr);
    fromEmpty.setEncoded("");
    EXPECT_EQ(fromNull.rawLength() + fromEmpty.rawLength(), 0);
    EXPECT_STREQ(fresh.encoded(), "x");
    bad.setEncoded("\005ab\001");
    EXPECT_SQL_ERROR(bad.rawBytes(), 1000, "CPPSQLITE_ERROR[1000]: Cannot decode binary");
    EXPECT_STREQ(bad.encoded(), "\005ab\001"); // the stored text survives the failure
}

TEST(SqlBinary, ConvertsOnDemandAndSizesLargeValuesWithoutOverflow) {
    // 257 * n passes INT_MAX above about 8.4 MB; such a value must still round trip.
    Bytes big(9'000'000);
    std::mt19937 rng(7);
    for (auto& b : big)
        b = static_cast<unsigned char>(rng());
    SqlBinary binary, reader;
    binary.setBytes(big.data(), int(big.size()));
    reader.setEncoded(binary.encoded());
    ASSERT_EQ(reader.rawLength(), int(big.size()));
    EXPECT_EQ(std::memcmp(reader.rawBytes(), big.data(), big.size()), 0);
    EXPECT_STREQ(reader.encoded(), binary.encoded());
    ASSERT_EQ(binary.rawLength(), int(big.size()));

    EXPECT_SQL_ERROR(binary.setBytes(big.data(), INT_MAX), 1000,
                     "CPPSQLITE_ERROR[1000]: Cannot allocate memory"); // refused before copying
    binary.setBytes(big.data(), -3);
    EXPECT_STREQ(binary.encoded(), "x");
}
