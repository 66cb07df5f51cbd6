#pragma once

#include "core/store/SqlQuery.h"

#include <string>
#include <vector>

class SqlDatabase;

// The statements on the links of entries to topics (Entry2Topic). Topics chosen for an entry
// not saved yet are linked to the placeholder id {new_entry} until its first save.
class TopicLinks {
public:
    explicit TopicLinks(SqlDatabase& db) : m_db(db) {}

    void Add(const std::string& entryId, const std::string& topicId);
    void RemoveAllOf(const std::string& entryId);
    // The entry's links to the topic (a hand-edited file may hold several).
    void Remove(const std::string& entryId, const std::string& topicId);
    void RemoveTopic(const std::string& topicId);
    // Hands the placeholder's links to the entry just saved, or drops them.
    void AdoptPlaceholder(const std::string& entryId);
    void DropPlaceholder();

    // Every topic, with the entry's link (EntryID NULL when not linked) joined.
    SqlQuery TopicsMarkedFor(const std::string& entryId);
    // The names of the entry's topics, in the order the join meets them.
    SqlQuery NamesOf(const std::string& entryId);
    // (EntryID, Name) of every link whose entry id a quoted text can equal, each entry's names
    // in the order NamesOf gives them.
    SqlQuery TextEntryIdsAndNames();
    // The entries linked to every one of the topics (a quoted id list of count topics).
    SqlQuery EntriesWithAll(const std::string& quotedTopicIds, int count);
    // The entries linked to at least one of the topics, each once.
    SqlQuery EntriesWithAny(const std::string& quotedTopicIds);
    // The topics linked to every one of the entries (a quoted id list of count distinct ids).
    SqlQuery TopicsOfAll(const std::string& quotedEntryIds, int count);
    // A condition on Entry with the same meaning, counting each topic once.
    static std::string EntriesWithAllCondition(const std::string& quotedTopicIds, int count);
    // One row per link to any of the topics, for entries whose id a quoted text can equal.
    SqlQuery TextEntryIdsLinkedTo(const std::string& quotedTopicIds);
    // (EntryID, TopicID, count) of every distinct link.
    SqlQuery Counted();
    // (TopicID, number of entries linked to it) of every topic id that links name.
    SqlQuery EntriesPerTopic();
    // Links no listing can show: to an entry or a topic no row has (ids stored as anything
    // but text included).
    int UnmatchedCount();

private:
    SqlDatabase& m_db;
};
