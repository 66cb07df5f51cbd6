#pragma once

#include <map>
#include <set>
#include <string>

// By entry id, every page its row depends on: page 1, the Entry table's from the root down to
// the row's leaf, and the row's overflow pages.
std::map<std::string, std::set<long>> entryPages(const std::string& path);

// Overwrites one page (numbered from 1): with zeros, or with bytes from the seed.
void damagePage(const std::string& path, long page, unsigned seed = 0);
