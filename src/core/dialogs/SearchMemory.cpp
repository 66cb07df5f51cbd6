#include "core/dialogs/SearchMemory.h"

#include "core/dialogs/SearchRules.h"

void SearchMemory::Keep(const SearchValues& values, const std::string& journalPath) {
    m_values = values;
    m_journalPath = journalPath;
}

SearchValues SearchMemory::Recall(const std::string& journalPath) const {
    SearchValues values = m_values;
    if (journalPath != m_journalPath)
        SearchRules::ForgetJournal(values);
    return values;
}
