#pragma once

#include <string>

// The Entry Topics dialog run without an entry: the search dialog's choice of topics.
struct TopicChoiceValues {
    // In: the topics to tick at start. Out: the ticked topic ids, each in apostrophes (with
    // apostrophes inside doubled, so the list can go into "TopicID In (...)"), joined by ",".
    std::string m_chosenIds;
    // Out: the ticked names joined by ", ".
    std::string m_chosenNames;
    // Out: the number of ticked topics.
    int m_chosenCount = 0;

    bool operator==(const TopicChoiceValues&) const = default;
};
