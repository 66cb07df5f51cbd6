#include "core/store/JournalTable.h"

#include "core/store/SqlBuffer.h"
#include "core/store/SqlDatabase.h"

int JournalTable::Count() {
    SqlBuffer sql;
    SqlQuery query = m_db.query(sql.format("SELECT count(*) FROM %s", m_table));
    const int count = query.eof() ? 0 : query.intField(0, 0);
    query.finalize();
    return count;
}

SqlQuery JournalTable::Ids() {
    SqlBuffer sql;
    return m_db.query(sql.format("SELECT %sID FROM %s;", m_table, m_table));
}

SqlQuery JournalTable::IdsEqualTo(const std::string& stored) {
    SqlBuffer sql;
    return m_db.query(sql.format("SELECT %sID FROM %s WHERE %sID = %Q", m_table, m_table, m_table,
                                 stored.c_str()));
}

SqlQuery JournalTable::IdsNamed(const std::string& stored) {
    SqlBuffer sql;
    return m_db.query(
        sql.format("SELECT %sID FROM %s WHERE Name = %Q", m_table, m_table, stored.c_str()));
}

SqlQuery JournalTable::DuplicateIds() {
    const std::string column = std::string(m_table) + "ID";
    SqlBuffer sql;
    return m_db.query(
        sql.format("SELECT %s, count(*) FROM %s GROUP BY %s HAVING count(*) > 1 OR %s IS NULL OR "
                   "%s = '';",
                   column.c_str(), m_table, column.c_str(), column.c_str(), column.c_str()));
}
