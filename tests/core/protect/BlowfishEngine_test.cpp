// OpenSSL's low-level Blowfish is deprecated in OpenSSL 3 but is exactly the oracle we want.
#define OPENSSL_SUPPRESS_DEPRECATED
#include "core/protect/BlowfishEngine.h"

#include <openssl/blowfish.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes encipher(const BlowfishEngine& e, Bytes data) {
    const int n = static_cast<int>(data.size());
    data.resize(data.size() + 7, 0xEE);
    data.resize(static_cast<std::size_t>(e.EncipherBuffer(data.data(), n)));
    return data;
}

BlowfishEngine keyed(std::string_view key) {
    BlowfishEngine e;
    e.SetKey(key);
    return e;
}

// OpenSSL reads each half big-endian, we read it little-endian.
void swapHalves(unsigned char* block) {
    std::reverse(block, block + 4);
    std::reverse(block + 4, block + 8);
}

Bytes opensslEcb(const BF_KEY& key, Bytes data, int mode) {
    for (std::size_t i = 0; i < data.size(); i += 8) {
        unsigned char out[8];
        swapHalves(&data[i]);
        BF_ecb_encrypt(&data[i], out, &key, mode);
        swapHalves(out);
        std::memcpy(&data[i], out, 8);
    }
    return data;
}

} // namespace

TEST(BlowfishEngine, AgreesWithOpenSslForRandomKeysAndBlocks) {
    std::mt19937 rng(20261206);
    std::uniform_int_distribution<int> keyByte(1, 255), anyByte(0, 255), keyLength(1, 100),
        blocks(1, 20);
    for (int round = 0; round < 400; ++round) {
        std::string key(static_cast<std::size_t>(keyLength(rng)), '\0');
        std::generate(key.begin(), key.end(), [&] { return static_cast<char>(keyByte(rng)); });
        Bytes data(8 * static_cast<std::size_t>(blocks(rng)));
        std::generate(data.begin(), data.end(),
                      [&] { return static_cast<unsigned char>(anyByte(rng)); });

        BF_KEY ref;
        BF_set_key(&ref, static_cast<int>(key.size()),
                   reinterpret_cast<const unsigned char*>(key.data()));
        const BlowfishEngine ours = keyed(key);

        const Bytes cipher = encipher(ours, data);
        ASSERT_EQ(cipher, opensslEcb(ref, data, BF_ENCRYPT)) << "key length " << key.size();
        Bytes plain = data;
        ours.DecipherBuffer(plain.data(), static_cast<int>(plain.size()));
        ASSERT_EQ(plain, opensslEcb(ref, data, BF_DECRYPT)) << "key length " << key.size();

        // The word interface is OpenSSL's BF_encrypt with the halves as numbers.
        BF_LONG words[2] = {0x01234567u + static_cast<BF_LONG>(round), 0x89ABCDEFu};
        std::uint32_t l = words[0], r = words[1];
        BF_encrypt(words, &ref);
        ours.EncipherBlock(l, r);
        ASSERT_EQ(std::pair(l, r), std::pair(words[0], words[1]));
        ours.DecipherBlock(l, r);
        ASSERT_EQ(std::pair(l, r),
                  std::pair(0x01234567u + static_cast<std::uint32_t>(round), 0x89ABCDEFu));
    }
}

// Only the first 72 key bytes count (the comparison above uses keys of up to 100 bytes); a key
// of 255 bytes without a terminator is read no further: the sanitizers would catch a 256th read.
TEST(BlowfishEngine, AnUnterminatedKeyIsReadToAtMost255Bytes) {
    auto unterminated = std::make_unique<char[]>(255);
    std::memset(unterminated.get(), 'z', 255);
    BlowfishEngine e;
    e.SetKey(unterminated.get());
    const Bytes block = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(encipher(e, block), encipher(keyed(std::string(72, 'z')), block));
}

TEST(BlowfishEngine, EmptyKeyIsTheInitialTablesAndStillTransforms) {
    const Bytes block = {'q', 'u', 'i', 'l', 'l', 'b', 'o', 'k'};
    const Bytes fresh = encipher(BlowfishEngine(), block);
    EXPECT_NE(fresh, block);
    BlowfishEngine e;
    for (const char* key : {static_cast<const char*>(nullptr), ""}) {
        e.SetKey("something");
        e.SetKey(key);
        EXPECT_EQ(encipher(e, block), fresh);
    }
    e.SetKey(std::string_view("\0after", 6)); // the key ends at its first zero byte
    EXPECT_EQ(encipher(e, block), fresh);
    e.SetKey("something");
    e.Reset();
    EXPECT_EQ(encipher(e, block), fresh);
}

// Enciphering n bytes pads them with zeros to whole blocks and writes nothing past those;
// deciphering the n + 7 bytes then turns back the whole blocks and leaves the partial one as
// it is. Exactly sized heap buffers, so the sanitizers see any access beyond them.
TEST(BlowfishEngine, PadsWithZerosAndTouchesOnlyWholeBlocks) {
    const BlowfishEngine e = keyed("pad");
    for (int n = 0; n <= 17; ++n) {
        const auto size = static_cast<std::size_t>(n) + 7;
        auto buf = std::make_unique<unsigned char[]>(size);
        std::memset(buf.get(), 0xAB, size);
        const int padded = e.EncipherBuffer(buf.get(), n);
        EXPECT_EQ(padded, (n + 7) / 8 * 8) << n;
        EXPECT_EQ(Bytes(buf.get() + padded, buf.get() + size), Bytes(size - padded, 0xAB)) << n;
        e.DecipherBuffer(buf.get(), static_cast<int>(size));
        Bytes expected(size, 0xAB);
        std::fill(expected.begin() + n, expected.begin() + padded, 0);
        EXPECT_EQ(Bytes(buf.get(), buf.get() + size), expected) << n;
    }
    e.DecipherBuffer(nullptr, 0);
    EXPECT_EQ(e.EncipherBuffer(nullptr, 0), 0);
}
