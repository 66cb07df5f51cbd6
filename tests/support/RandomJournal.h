#pragma once

#include "core/store/SearchCriteria.h"

#include <cstdint>
#include <random>
#include <string>

class SqlDatabase;

// Journal contents made from a seed, with the oddities a hand-edited file may hold: duplicate
// and NULL ids, ids stored as blobs, empty and NULL names, links to rows that do not exist,
// invalid dates, comments and texts that do not decode, search marks of every type. For
// comparing the bulk reads with the one-row statements they stand for.
class RandomJournal {
public:
    explicit RandomJournal(std::uint32_t seed) : m_rng(seed) {}

    // Adds folders, topics, entries (texts and comments enciphered with contentKey) and links.
    void fill(SqlDatabase& db, const std::string& contentKey);

    // One entry's RTF: words from a small vocabulary in varied case, some split by formatting.
    std::string rtf();
    // Criteria over the same vocabulary, topics and dates.
    SearchCriteria criteria();

    // Ids the contents draw from; a few of each never get a row.
    std::string entryId() { return "{E" + std::to_string(below(24)) + "}"; }
    std::string topicId() { return "{T" + std::to_string(below(7)) + "}"; }
    std::string folderId() { return "{F" + std::to_string(below(6)) + "}"; }

    std::uint32_t below(std::uint32_t n) { return static_cast<std::uint32_t>(m_rng() % n); }
    bool chance(std::uint32_t oneIn) { return below(oneIn) == 0; }

    // Stored text the binary codec refuses: an offset byte, then an escape with nothing behind.
    static std::string undecodable() { return "a\x01"; }

private:
    std::string word();
    std::string timeStamp();
    // A quoted SQL value for an id column: mostly text, sometimes NULL, empty or a blob.
    std::string idValue(const std::string& id);

    std::mt19937 m_rng;
};
