#pragma once

#include <array>
#include <string>

class SqlDatabase;
struct NewJournalValues;

// The journal file: five tables, one settings row, schema revision 3. Files written by the
// Windows program and by us must stay interchangeable, so every statement here is fixed.
namespace JournalSchema {

inline constexpr int kCurrentRevision = 3;

// The CREATE TABLE statements of a new journal, in the order they run.
extern const std::array<const char*, 5> kCreateStatements;

// Runs the five CREATE TABLE statements.
void CreateTables(SqlDatabase& db);

// The settings row of a new journal. The content key is enciphered with the password (or the
// empty key when there is none); the password itself is stored only as its digest.
std::string BuildSettingsInsert(const NewJournalValues& values, const std::string& contentKey);
void InsertSettings(SqlDatabase& db, const NewJournalValues& values, const std::string& contentKey);

// The file's schema revision; 0 when the column is NULL or the table has no row.
int ReadSchemaRevision(SqlDatabase& db);

// Brings a file of a revision below 3 up to 3 (the two font columns with their defaults).
void UpgradeSchema(SqlDatabase& db);

} // namespace JournalSchema
