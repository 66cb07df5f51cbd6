#pragma once

#include <cstdint>
#include <string>

// What the benchmark journal holds. The defaults are the journal of many years that the
// performance goals are set for.
struct JournalShape {
    int entries = 10000;
    int folders = 30;
    int topics = 50;
    int links = 20000;
    std::size_t entryBytes = 2048;
    std::uint32_t seed = 20240601;
    std::string password; // empty: an unprotected journal
};

// Makes journals through the program's own create and save steps (CQBKDoc with stand-in
// dialogs), so the rows are exactly what the program writes.
class JournalGenerator {
public:
    // Writes a new journal at path (replacing any file there).
    static void Generate(const JournalShape& shape, const std::string& path);

    // A journal of that shape kept between runs in the cache folder ($QUILLBOOK_BENCH_DIR,
    // else a folder in the temporary directory), made on first use. Returns its path.
    static std::string Cached(const JournalShape& shape);

    // A fresh copy of the cached journal (of Copied when copies > 1), for benchmarks that write.
    static std::string WorkingCopy(const JournalShape& shape, const std::string& name,
                                   int copies = 1);

    // The cached journal of that shape with its entries and topic links copied so many times
    // over in all, under new ids and with dates moved back ten years a copy (saving 100,000
    // entries one at a time would take longer than what is measured on them). Kept in the
    // cache folder; made on first use. Returns its path.
    static std::string Copied(const JournalShape& shape, int copies);

    static std::string CacheFolder();
};
