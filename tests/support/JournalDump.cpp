#include "support/JournalDump.h"

#include "support/RawSqlite.h"

std::string dumpJournal(const std::string& path) {
    static const char* const tables[] = {
        "SELECT rowid, quote(EntryID), quote(TimeStamp), quote(FolderID), quote(SearchTarget), "
        "quote(Comment), quote(UserComment), quote(EntryText) FROM Entry ORDER BY rowid",
        "SELECT rowid, quote(EntryID), quote(TopicID) FROM Entry2Topic ORDER BY rowid",
        "SELECT rowid, quote(TopicID), quote(Name) FROM Topic ORDER BY rowid",
        "SELECT rowid, quote(FolderID), quote(ParentID), quote(Name) FROM Folder ORDER BY rowid",
        "SELECT * FROM Config",
        // The session's own tables and triggers are temporary: the file's schema never changes.
        "SELECT type, name, tbl_name, sql FROM sqlite_master ORDER BY type, name"};
    std::string dump;
    for (const char* sql : tables) {
        for (const RawRow& row : rawQuery(path, sql)) {
            for (const RawValue& value : row)
                dump += (value ? *value : std::string("<null>")) + "|";
            dump += "\n";
        }
        dump += "--\n";
    }
    return dump;
}
