#include "core/store/TopicLinks.h"

#include "core/store/SqlBuffer.h"
#include "core/store/SqlDatabase.h"

void TopicLinks::Add(const std::string& entryId, const std::string& topicId) {
    SqlBuffer sql;
    m_db.execute(sql.format("INSERT INTO Entry2Topic (EntryID, TopicID) VALUES('%q', '%q')",
                            entryId.c_str(), topicId.c_str()));
}

void TopicLinks::RemoveAllOf(const std::string& entryId) {
    SqlBuffer sql;
    m_db.execute(sql.format("Delete FROM Entry2Topic WHERE EntryID = '%q'", entryId.c_str()));
}

void TopicLinks::Remove(const std::string& entryId, const std::string& topicId) {
    SqlBuffer sql;
    m_db.execute(sql.format("DELETE FROM Entry2Topic WHERE EntryID = '%q' AND TopicID = '%q'",
                            entryId.c_str(), topicId.c_str()));
}

void TopicLinks::RemoveTopic(const std::string& topicId) {
    SqlBuffer sql;
    m_db.execute(sql.format("Delete From Entry2Topic Where TopicID = '%q'", topicId.c_str()));
}

void TopicLinks::AdoptPlaceholder(const std::string& entryId) {
    SqlBuffer sql;
    m_db.execute(sql.format("UPDATE Entry2Topic SET EntryID = '%q' WHERE EntryID = '{new_entry}'",
                            entryId.c_str()));
}

void TopicLinks::DropPlaceholder() {
    m_db.execute("DELETE FROM Entry2Topic WHERE EntryID = '{new_entry}'");
}

SqlQuery TopicLinks::TopicsMarkedFor(const std::string& entryId) {
    SqlBuffer sql;
    return m_db.query(
        sql.format("SELECT * FROM Topic LEFT OUTER JOIN Entry2Topic ON Entry2Topic.TopicID = "
                   "Topic.TopicID AND Entry2Topic.EntryID = '%q'",
                   entryId.c_str()));
}

SqlQuery TopicLinks::NamesOf(const std::string& entryId) {
    SqlBuffer sql;
    return m_db.query(sql.format(
        "SELECT Name FROM Topic, Entry2Topic WHERE Topic.TopicID = Entry2Topic.TopicID and "
        "Entry2Topic.EntryId = '%q'",
        entryId.c_str()));
}

SqlQuery TopicLinks::TextEntryIdsAndNames() {
    // Entry2Topic first, as NamesOf's plan runs it, so each entry's names come in the same
    // order; only ids that are text without a zero byte can equal NamesOf's quoted id.
    return m_db.query(
        "SELECT Entry2Topic.EntryID, Topic.Name FROM Entry2Topic CROSS JOIN Topic WHERE "
        "Topic.TopicID = Entry2Topic.TopicID AND typeof(Entry2Topic.EntryID) = 'text' AND "
        "instr(Entry2Topic.EntryID, char(0)) = 0");
}

SqlQuery TopicLinks::EntriesWithAll(const std::string& quotedTopicIds, int count) {
    SqlBuffer sql;
    return m_db.query(
        sql.format("SELECT EntryID FROM Entry2Topic WHERE TopicID In (%s) GROUP BY EntryID HAVING "
                   "Count(EntryID)=%d",
                   quotedTopicIds.c_str(), count));
}

SqlQuery TopicLinks::EntriesWithAny(const std::string& quotedTopicIds) {
    SqlBuffer sql;
    return m_db.query(sql.format("SELECT DISTINCT EntryID FROM Entry2Topic WHERE TopicID In (%s)",
                                 quotedTopicIds.c_str()));
}

SqlQuery TopicLinks::TopicsOfAll(const std::string& quotedEntryIds, int count) {
    SqlBuffer sql;
    return m_db.query(sql.format("SELECT TopicID FROM Entry2Topic WHERE EntryID IN (%s) GROUP BY "
                                 "TopicID HAVING Count(DISTINCT EntryID)=%d",
                                 quotedEntryIds.c_str(), count));
}

std::string TopicLinks::EntriesWithAllCondition(const std::string& quotedTopicIds, int count) {
    SqlBuffer sql;
    return sql.format("EntryID IN (SELECT EntryID FROM Entry2Topic WHERE TopicID "
                      "IN (%s) GROUP BY EntryID HAVING Count(DISTINCT TopicID)=%d)",
                      quotedTopicIds.c_str(), count);
}

SqlQuery TopicLinks::TextEntryIdsLinkedTo(const std::string& quotedTopicIds) {
    SqlBuffer sql;
    return m_db.query(sql.format(
        "SELECT EntryID FROM Entry2Topic WHERE TopicID in (%s) AND typeof(EntryID) = 'text' AND "
        "instr(EntryID, char(0)) = 0",
        quotedTopicIds.c_str()));
}

SqlQuery TopicLinks::Counted() {
    return m_db.query(
        "SELECT EntryID, TopicID, count(*) FROM Entry2Topic GROUP BY EntryID, TopicID;");
}

SqlQuery TopicLinks::EntriesPerTopic() {
    return m_db.query("SELECT TopicID, count(DISTINCT EntryID) FROM Entry2Topic WHERE EntryID IS "
                      "NOT '{new_entry}' GROUP BY TopicID;");
}

int TopicLinks::UnmatchedCount() {
    SqlQuery query = m_db.query(
        "SELECT count(*) FROM Entry2Topic WHERE EntryID IS NOT '{new_entry}' AND "
        "(typeof(EntryID) <> 'text' OR typeof(TopicID) <> 'text' OR EntryID NOT IN (SELECT "
        "EntryID FROM Entry) OR TopicID NOT IN (SELECT TopicID FROM Topic))");
    const int count = query.eof() ? 0 : query.intField(0, 0);
    query.finalize();
    return count;
}
