// Blowfish, ContentCipher and MD5: ours against OpenSSL's in the same run.
#define OPENSSL_SUPPRESS_DEPRECATED
#include "core/protect/BlowfishEngine.h"
#include "core/protect/ContentCipher.h"
#include "core/protect/Md5.h"

#include <openssl/blowfish.h>
#include <openssl/md5.h>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

const std::string kContentKey = "{8E3B9C2A-1D4F-4A6B-9C8D-0123456789AB}";
constexpr std::size_t kBufferBytes = 4096;

std::vector<unsigned char> patternBytes(std::size_t n) {
    std::vector<unsigned char> v(n);
    for (std::size_t i = 0; i < n; ++i)
        v[i] = static_cast<unsigned char>(i * 131 + 7);
    return v;
}

// A 2 KB RTF-like text without zero bytes.
std::string entryText() {
    std::string text = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 ";
    while (text.size() < 2047)
        text += "Dear journal, today the weather was mild and the ink flowed freely. ";
    text.resize(2047);
    return text + "}";
}

void BM_Blowfish_Ours_Buffer(benchmark::State& state) {
    BlowfishEngine e;
    e.SetKey(kContentKey);
    auto buf = patternBytes(kBufferBytes + 8);
    for (auto _ : state) {
        e.EncipherBuffer(buf.data(), static_cast<int>(kBufferBytes));
        benchmark::DoNotOptimize(buf.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBufferBytes));
}
BENCHMARK(BM_Blowfish_Ours_Buffer);

void BM_Blowfish_OpenSsl_Ecb(benchmark::State& state) {
    BF_KEY key;
    BF_set_key(&key, static_cast<int>(kContentKey.size()),
               reinterpret_cast<const unsigned char*>(kContentKey.data()));
    auto buf = patternBytes(kBufferBytes);
    for (auto _ : state) {
        for (std::size_t i = 0; i < kBufferBytes; i += 8)
            BF_ecb_encrypt(&buf[i], &buf[i], &key, BF_ENCRYPT);
        benchmark::DoNotOptimize(buf.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBufferBytes));
}
BENCHMARK(BM_Blowfish_OpenSsl_Ecb);

// Raw block function on words, each block depending on the previous one.
void BM_Blowfish_Ours_Block(benchmark::State& state) {
    BlowfishEngine e;
    e.SetKey(kContentKey);
    std::uint32_t l = 1, r = 2;
    for (auto _ : state) {
        for (int i = 0; i < 512; ++i)
            e.EncipherBlock(l, r);
        benchmark::DoNotOptimize(l);
        benchmark::DoNotOptimize(r);
    }
    state.SetBytesProcessed(state.iterations() * 512 * 8);
}
BENCHMARK(BM_Blowfish_Ours_Block);

void BM_Blowfish_OpenSsl_Block(benchmark::State& state) {
    BF_KEY key;
    BF_set_key(&key, static_cast<int>(kContentKey.size()),
               reinterpret_cast<const unsigned char*>(kContentKey.data()));
    BF_LONG data[2] = {1, 2};
    for (auto _ : state) {
        for (int i = 0; i < 512; ++i)
            BF_encrypt(data, &key);
        benchmark::DoNotOptimize(data);
    }
    state.SetBytesProcessed(state.iterations() * 512 * 8);
}
BENCHMARK(BM_Blowfish_OpenSsl_Block);

void BM_KeySchedule_Ours(benchmark::State& state) {
    for (auto _ : state) {
        BlowfishEngine e;
        e.SetKey(kContentKey);
        benchmark::DoNotOptimize(&e);
    }
}
BENCHMARK(BM_KeySchedule_Ours);

void BM_KeySchedule_OpenSsl(benchmark::State& state) {
    BF_KEY key;
    for (auto _ : state) {
        BF_set_key(&key, static_cast<int>(kContentKey.size()),
                   reinterpret_cast<const unsigned char*>(kContentKey.data()));
        benchmark::DoNotOptimize(&key);
    }
}
BENCHMARK(BM_KeySchedule_OpenSsl);

void BM_ContentCipher_Encipher2K_KeyPerCall(benchmark::State& state) {
    const std::string text = entryText();
    ContentCipher c;
    for (auto _ : state) {
        c.Encipher(text, kContentKey);
        benchmark::DoNotOptimize(c.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ContentCipher_Encipher2K_KeyPerCall);

void BM_ContentCipher_Encipher2K_PreKeyed(benchmark::State& state) {
    const std::string text = entryText();
    BlowfishEngine e;
    e.SetKey(kContentKey);
    ContentCipher c;
    for (auto _ : state) {
        c.Encipher(text, e);
        benchmark::DoNotOptimize(c.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ContentCipher_Encipher2K_PreKeyed);

void BM_ContentCipher_Decipher2K_KeyPerCall(benchmark::State& state) {
    const std::string text = entryText();
    ContentCipher c;
    c.Encipher(text, kContentKey);
    for (auto _ : state)
        benchmark::DoNotOptimize(c.Decipher(kContentKey));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ContentCipher_Decipher2K_KeyPerCall);

void BM_ContentCipher_Decipher2K_PreKeyed(benchmark::State& state) {
    const std::string text = entryText();
    BlowfishEngine e;
    e.SetKey(kContentKey);
    ContentCipher c;
    c.Encipher(text, e);
    for (auto _ : state)
        benchmark::DoNotOptimize(c.Decipher(e));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ContentCipher_Decipher2K_PreKeyed);

void BM_Md5_Ours(benchmark::State& state) {
    const auto data = patternBytes(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        Md5 md5;
        md5.update(data.data(), data.size());
        benchmark::DoNotOptimize(md5.finish());
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Md5_Ours)->Arg(1024)->Arg(1 << 20);

void BM_Md5_OpenSsl(benchmark::State& state) {
    const auto data = patternBytes(static_cast<std::size_t>(state.range(0)));
    unsigned char digest[16];
    for (auto _ : state) {
        MD5(data.data(), data.size(), digest);
        benchmark::DoNotOptimize(digest);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Md5_OpenSsl)->Arg(1024)->Arg(1 << 20);

} // namespace

BENCHMARK_MAIN();
