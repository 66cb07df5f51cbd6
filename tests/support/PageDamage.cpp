#include "support/PageDamage.h"

#include "support/RawSqlite.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <vector>

std::map<std::string, std::set<long>> entryPages(const std::string& path) {
    // SQLite's own map of the table: a path per page, leaves in key order, overflow pages
    // named after their leaf and cell ("/003/" holds cell 002, whose chain is "/003/002+...").
    const std::vector<RawRow> pages = rawQuery(
        path,
        "SELECT path, pageno, pagetype, ncell FROM dbstat WHERE name = 'Entry' ORDER BY path");
    const std::vector<RawRow> ids = rawQuery(path, "SELECT EntryID FROM Entry ORDER BY rowid");
    std::map<std::string, std::set<long>> owned;
    std::size_t row = 0;
    for (const RawRow& leaf : pages) {
        if (*leaf[2] != "leaf")
            continue;
        const std::string& at = *leaf[0];
        for (int cell = 0; cell < std::stoi(*leaf[3]) && row < ids.size(); ++cell, ++row) {
            char chain[16];
            std::snprintf(chain, sizeof chain, "%03x+", cell);
            std::set<long>& set = owned[*ids[row][0]];
            set.insert(1);
            for (const RawRow& page : pages) // the leaf and those above it, the cell's chain
                if (at.rfind(*page[0], 0) == 0 || page[0]->rfind(at + chain, 0) == 0)
                    set.insert(std::stol(*page[1]));
        }
    }
    return owned;
}

void damagePage(const std::string& path, long page, unsigned seed) {
    const long size = std::stol(rawValue(path, "PRAGMA page_size"));
    std::string bytes(static_cast<std::size_t>(size), '\0');
    std::mt19937 random(seed);
    for (char& byte : bytes)
        byte = seed ? static_cast<char>(random()) : '\0';
    std::fstream(path, std::ios::in | std::ios::out | std::ios::binary)
        .seekp((page - 1) * size)
        .write(bytes.data(), size);
}
