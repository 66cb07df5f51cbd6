#include "JournalDump.h"

#include "RawSqlite.h"

std::string dumpJournal(const std::string& path) {
    static const char* const tables[] = {
        "SELECT rowid, quote(EntryID), quote(TimeStamp), quote(FolderID), quote(SearchTarget), "
        "quote(Comment), quote(UserComment), quote(EntryText) FROM Entry ORDER BY rowid",
        "SELECT rowid, quote(EntryID), quote(TopicID) FROM Entry2Topic ORDER BY rowid",
        "SELECT rowid, quote(TopicID), quote(Name) FROM Topic ORDER BY rowid",
        "SELECT rowid, quote(FolderID), quote(ParentID), quote(Name) FROM Folder ORDER BY rowid",
        "SELECT * FROM Config"};
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
