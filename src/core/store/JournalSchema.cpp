#include "core/store/JournalSchema.h"

#include "core/protect/PasswordDigest.h"
#include "core/store/NewJournalValues.h"
#include "core/store/SqlBuffer.h"
#include "core/store/SqlDatabase.h"
#include "core/store/SqlQuery.h"
#include "core/store/StoredText.h"

namespace JournalSchema {

const std::array<const char*, 5> kCreateStatements = {
    "CREATE TABLE [Config] ([SchemaRevision] INTEGER, [Title] VARCHAR(100), [Owner] "
    "VARCHAR(30), [DateFormat] VARCHAR(35), [TimeFormat] VARCHAR(10), [AutoHide] BOOLEAN, "
    "[AutoHideDelay] INTEGER, AutoClose BOOLEAN, [AutoCloseDelay] INTEGER, [AutoSave] BOOLEAN, "
    "[AutoSaveDelay] INTEGER, [PromptForComment] BOOLEAN, [ConfirmEntryMove] BOOLEAN, "
    "[ConfirmFolderMove] BOOLEAN, [ConfirmDate] BOOLEAN, [ShowFirstLine] BOOLEAN, [HasPassword] "
    "BOOLEAN, [Password] VARCHAR(32), [InstanceID] BLOB, [DefaultFontName] VARCHAR(50), "
    "[DefaultFontSize] INTEGER);",
    "CREATE TABLE [Folder] ([FolderID] CHAR(40), [ParentID] CHAR(40), [Name] VARCHAR(30));",
    "CREATE TABLE [Entry] ([EntryID] CHAR(40), [TimeStamp] DATETIME, [FolderID] CHAR(40), "
    "[SearchTarget] BOOLEAN, [Comment] BLOB, [UserComment] BOOLEAN, [EntryText] BLOB);",
    "CREATE TABLE [Topic] ([TopicID] CHAR(40), [Name] VARCHAR(50));",
    "CREATE TABLE [Entry2Topic] ([EntryID] CHAR(40), [TopicID] CHAR(40));",
};

void CreateTables(SqlDatabase& db) {
    for (const char* statement : kCreateStatements)
        db.execute(statement);
}

std::string BuildSettingsInsert(const NewJournalValues& values, const std::string& contentKey) {
    const bool hasPassword = !values.m_password.empty();
    const std::string digest =
        hasPassword ? PasswordDigest(values.m_password.c_str()).HexDigest() : "";
    const std::string instanceId = EncipherForStorage(contentKey, values.m_password);

    // Every text goes through %q (apostrophes doubled) so a title such as "Mary's journal",
    // or a hand-edited format, cannot change the statement.
    SqlBuffer sql;
    sql.format("insert into config (SchemaRevision,Title,Owner,DateFormat,TimeFormat,AutoHide,"
               "AutoHideDelay,AutoClose,AutoCloseDelay,AutoSave,AutoSaveDelay,PromptForComment,"
               "ConfirmEntryMove,ConfirmFolderMove,ConfirmDate,ShowFirstLine,HasPassword,"
               "Password,InstanceID,DefaultFontName,DefaultFontSize) values (3,'%q','%q','%q',"
               "'%q',%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,'%q',%Q,'%q',%d)",
               values.m_title.c_str(), values.m_owner.c_str(), values.m_dateFormat.c_str(),
               values.m_timeFormat.c_str(), 0, 5, 0, 5, 0, 5, values.m_bPromptForComment ? 1 : 0, 1,
               1, 0, values.m_bShowFirstLine ? 1 : 0, hasPassword ? 1 : 0, digest.c_str(),
               instanceId.c_str(), values.m_fontName.c_str(), values.m_fontSize);
    return sql.c_str();
}

void InsertSettings(SqlDatabase& db, const NewJournalValues& values,
                    const std::string& contentKey) {
    db.execute(BuildSettingsInsert(values, contentKey));
}

int ReadSchemaRevision(SqlDatabase& db) {
    SqlQuery query = db.query("SELECT SchemaRevision FROM Config;");
    const int revision = query.eof() ? 0 : query.intField(0, 0);
    query.finalize();
    return revision;
}

void UpgradeSchema(SqlDatabase& db) {
    db.execute("ALTER TABLE [Config] ADD [DefaultFontSize] INTEGER;");
    db.execute("ALTER TABLE [Config] ADD [DefaultFontName] VARCHAR(50);");
    db.execute("UPDATE [Config] SET [SchemaRevision] = 3;");
    db.execute("UPDATE [Config] SET [DefaultFontSize] = 12, [DefaultFontName] = 'Times New "
               "Roman';");
}

} // namespace JournalSchema
