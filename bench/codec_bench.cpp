// Throughput of the stored-binary codec on an entry-sized value and on a large one.
#include "core/store/SqlBinary.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> randomBytes(size_t n) {
    std::mt19937 rng(1234);
    std::vector<unsigned char> bytes(n);
    for (auto& b : bytes)
        b = static_cast<unsigned char>(rng());
    return bytes;
}

void BM_Encode(benchmark::State& state) {
    const auto bytes = randomBytes(static_cast<size_t>(state.range(0)));
    SqlBinary binary;
    for (auto _ : state) {
        binary.setBytes(bytes.data(), static_cast<int>(bytes.size()));
        benchmark::DoNotOptimize(binary.encoded());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

void BM_Decode(benchmark::State& state) {
    const auto bytes = randomBytes(static_cast<size_t>(state.range(0)));
    SqlBinary source;
    source.setBytes(bytes.data(), static_cast<int>(bytes.size()));
    const std::string text = source.encoded();
    SqlBinary binary;
    for (auto _ : state) {
        binary.setEncoded(text.c_str());
        benchmark::DoNotOptimize(binary.rawBytes());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

} // namespace

BENCHMARK(BM_Encode)->Arg(2 << 10)->Arg(1 << 20);
BENCHMARK(BM_Decode)->Arg(2 << 10)->Arg(1 << 20);
BENCHMARK_MAIN();
