#pragma once

#include <string>
#include <vector>

class SqlDatabase;

// A row of the topic list and of the topic dialogs.
struct TopicItem {
    std::string id;
    std::string name;
};

// Every topic, by name in the locale's collation ignoring case (CompareNames).
std::vector<TopicItem> LoadTopicItems(SqlDatabase& db);
