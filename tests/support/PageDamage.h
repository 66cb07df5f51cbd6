#pragma once

#include <map>
#include <set>
#include <string>

// The pages of a journal file, for tests that damage one of them.

// Every page each entry's row depends on, by entry id: page 1 (the schema), the Entry
// table's pages from its root down to the row's leaf, and the row's overflow pages.
std::map<std::string, std::set<long>> entryPages(const std::string& path);

long pageCount(const std::string& path);
// Overwrites one page (numbered from 1): with zeros, or with bytes from the seed.
void damagePage(const std::string& path, long page, unsigned seed = 0);
