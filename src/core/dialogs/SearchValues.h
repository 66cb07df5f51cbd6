#pragma once

#include "core/dialogs/TopicChoiceValues.h"

#include <QDate>

#include <string>

// The search dialog's criteria as the user sets them: the text and where to look, the date
// range as two days, and the chosen topics (with the names shown for them).
struct SearchValues {
    std::string findText;
    bool matchCase = false;
    bool wholeWord = false;
    bool lookInText = true;
    bool lookInComments = true;
    int dateRange = 0; // 0 all entries, 1 entries between the two days
    QDate startDate = QDate::currentDate();
    QDate endDate = QDate::currentDate();
    TopicChoiceValues topics;
    int topicMatch = 0; // 0 at least one of the topics, 1 all of them

    bool operator==(const SearchValues&) const = default;
};
