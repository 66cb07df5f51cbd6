#pragma once

#include "core/platform/COleDateTime.h"

#include <string>
#include <vector>

// What the journal search looks for. Texts are stored bytes.
struct SearchCriteria {
    std::string findText;
    bool matchCase = false;
    bool wholeWord = false;
    bool lookInText = true;
    bool lookInComments = true;
    int dateRange = 0; // 1: only entries from startDate to endDate, both inclusive
    COleDateTime startDate;
    COleDateTime endDate;
    std::vector<std::string> topicIds; // chosen topics; empty when none
    int topicMatch = 0;                // 0: at least one of the topics; 1: all of them
    // An entry whose text or comment cannot be read is left out (CQBKDoc::SearchSkipped)
    // instead of failing the search.
    bool skipUnreadable = false;
};
