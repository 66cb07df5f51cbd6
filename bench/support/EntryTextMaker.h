#pragma once

#include <cstdint>
#include <random>
#include <string>

// Deterministic entry texts for the benchmark journal: RTF of about the requested size,
// written by the program's own RTF writer, with bold and italic runs, accented letters and a
// few rare words that searches look for.
class EntryTextMaker {
public:
    explicit EntryTextMaker(std::uint32_t seed) : m_rng(seed) {}

    std::string rtf(std::size_t targetBytes);
    std::string comment();
    // A number in [0, n), from the same deterministic stream.
    std::uint32_t below(std::uint32_t n) { return static_cast<std::uint32_t>(m_rng() % n); }

    // Words that appear in roughly one entry in a hundred.
    static constexpr const char* kRareWord = "zephyr";
    static constexpr const char* kCommonWord = "garden";

private:
    const char* word();

    std::mt19937 m_rng;
};
