#pragma once

#include "core/store/SqlQuery.h"

#include <string>

class SqlDatabase;

// What every table of a journal with an id column (Entry, Folder, Topic; the id column is the
// table's name followed by ID) answers alike. The gateways of those tables build on it.
class JournalTable {
public:
    int Count();
    // Every row's id, in table order.
    SqlQuery Ids();
    // The ids of the rows whose id, or whose name, is the stored text.
    SqlQuery IdsEqualTo(const std::string& stored);
    SqlQuery IdsNamed(const std::string& stored);
    // Each id used by more than one row, and the rows without one: (id, count).
    SqlQuery DuplicateIds();

protected:
    JournalTable(SqlDatabase& db, const char* table) : m_db(db), m_table(table) {}

    SqlDatabase& m_db;

private:
    const char* m_table;
};
