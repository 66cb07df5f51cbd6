#pragma once

#include "core/dialogs/SearchValues.h"

#include <string>

// The criteria a search dialog starts from: those of the last one, while the program runs.
// The chosen topics come back only in the journal they were chosen in.
class SearchMemory {
public:
    void Keep(const SearchValues& values, const std::string& journalPath);
    SearchValues Recall(const std::string& journalPath) const;

private:
    SearchValues m_values;
    std::string m_journalPath;
};
