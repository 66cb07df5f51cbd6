#pragma once

#include <string>
#include <vector>

class SqlDatabase;

// A row of the topic list and of the topic dialogs.
struct TopicItem {
    std::string id;
    std::string name;
};

// Every topic in the order the table returns them.
std::vector<TopicItem> LoadTopicItems(SqlDatabase& db);
