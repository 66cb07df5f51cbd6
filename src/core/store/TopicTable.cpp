#include "core/store/TopicTable.h"

#include "core/store/SqlBuffer.h"
#include "core/store/SqlDatabase.h"

SqlQuery TopicTable::All() {
    return m_db.query("SELECT * FROM Topic");
}

bool TopicTable::Exists(const std::string& topicId) {
    SqlBuffer sql;
    return m_db.hasRow(
        sql.format("SELECT 1 FROM Topic WHERE TopicID = '%q' LIMIT 1", topicId.c_str()));
}

void TopicTable::Insert(const std::string& topicId, const std::string& name) {
    SqlBuffer sql;
    m_db.execute(sql.format("INSERT INTO Topic (TopicID, Name) values('%q','%q')", topicId.c_str(),
                            name.c_str()));
}

int TopicTable::Rename(const std::string& topicId, const std::string& name) {
    SqlBuffer sql;
    return m_db.execute(sql.format("UPDATE Topic SET Name = '%q' WHERE TopicID = '%q'",
                                   name.c_str(), topicId.c_str()));
}

int TopicTable::Delete(const std::string& topicId) {
    SqlBuffer sql;
    return m_db.execute(sql.format("Delete From Topic Where TopicID = '%q'", topicId.c_str()));
}
