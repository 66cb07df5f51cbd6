#pragma once

#include "core/store/JournalTable.h"

#include <string>

// The statements on the Topic table. Writes return the rows they changed.
class TopicTable : public JournalTable {
public:
    explicit TopicTable(SqlDatabase& db) : JournalTable(db, "Topic") {}

    SqlQuery All();
    bool Exists(const std::string& topicId);
    void Insert(const std::string& topicId, const std::string& name);
    int Rename(const std::string& topicId, const std::string& name);
    // The topic only; its links go by TopicLinks::RemoveTopic.
    int Delete(const std::string& topicId);
};
