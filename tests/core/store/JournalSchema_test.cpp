#include "core/protect/PasswordDigest.h"
#include "core/store/JournalSchema.h"
#include "core/store/NewJournalValues.h"
#include "core/store/SqlDatabase.h"
#include "core/store/StoredText.h"
#include "support/RawSqlite.h"
#include "support/TestJournal.h"

#include <gtest/gtest.h>

namespace {

RawRow configRow(const TestJournal& journal, const std::string& columns) {
    const auto rows = rawQuery(journal.path(), "SELECT " + columns + " FROM Config");
    EXPECT_EQ(rows.size(), 1u);
    return rows.empty() ? RawRow{} : rows.front();
}

const std::string kContentKey = "{8E3B9C2A-1D4F-4A6B-9C8D-0123456789AB}";

} // namespace

TEST(JournalSchemaTest, NewJournalHoldsFiveTablesAndOneSettingsRowWithTheDefaults) {
    const TestJournal journal(NewJournalValues{}, kContentKey);
    EXPECT_EQ(rawValue(journal.path(), "SELECT group_concat(type || ' ' || name, ', ') FROM "
                                       "(SELECT * FROM sqlite_master ORDER BY rowid)"),
              "table Config, table Folder, table Entry, table Topic, table Entry2Topic");
    EXPECT_EQ(rawValue(journal.path(),
                       "SELECT (SELECT count(*) FROM Folder) + (SELECT count(*) FROM Entry) + "
                       "(SELECT count(*) FROM Topic) + (SELECT count(*) FROM Entry2Topic)"),
              "0");

    std::string settings;
    for (const RawValue& value :
         configRow(journal, "SchemaRevision, Title, Owner, DateFormat, TimeFormat, AutoHide,"
                            " AutoHideDelay, AutoClose, AutoCloseDelay, AutoSave, AutoSaveDelay,"
                            " PromptForComment, ConfirmEntryMove, ConfirmFolderMove, ConfirmDate,"
                            " ShowFirstLine, HasPassword, Password, DefaultFontName,"
                            " DefaultFontSize, typeof(InstanceID), typeof(HasPassword)"))
        settings += value.value_or("<NULL>") + "|";
    EXPECT_EQ(
        settings,
        "3|||%A, %B %d %Y|%I:%M %p|0|5|0|5|0|5|1|1|1|0|0|0||Times New Roman|12|text|integer|");
}

// Texts with apostrophes and bytes above ASCII are stored intact.
TEST(JournalSchemaTest, ContentKeyIsStoredEncipheredWithTheEmptyKeyOrThePassword) {
    const TestJournal open(NewJournalValues{}, kContentKey);
    EXPECT_EQ(DecipherFromStorage(configRow(open, "InstanceID")[0]->c_str(), ""), kContentKey);

    NewJournalValues values;
    values.m_password = "s3cret";
    values.m_title = "Mary's 'daily' journal";
    values.m_owner = "O'Brien \xe9";
    values.m_dateFormat = "%d '%m' %Y";
    values.m_fontName = "Bob's Font";
    const TestJournal locked(values, kContentKey);
    const RawRow row = configRow(
        locked, "HasPassword, Password, InstanceID, Title, Owner, DateFormat, DefaultFontName");
    EXPECT_EQ(*row[0], "1");
    EXPECT_EQ(*row[1], PasswordDigest("s3cret").HexDigest());
    EXPECT_EQ(DecipherFromStorage(row[2]->c_str(), "s3cret"), kContentKey);
    EXPECT_NE(DecipherFromStorage(row[2]->c_str(), ""), kContentKey);
    EXPECT_EQ(RawRow(row.begin() + 3, row.end()),
              (RawRow{values.m_title, values.m_owner, values.m_dateFormat, values.m_fontName}));
}

TEST(JournalSchemaTest, RevisionReadsZeroForNullOrMissingRow) {
    TestJournal journal;
    SqlDatabase& db = journal.db();
    db.execute("DELETE FROM Config");
    EXPECT_EQ(JournalSchema::ReadSchemaRevision(db), 0);
    db.execute("INSERT INTO Config (SchemaRevision) VALUES (NULL)");
    EXPECT_EQ(JournalSchema::ReadSchemaRevision(db), 0);
    db.execute("UPDATE Config SET SchemaRevision = 4");
    EXPECT_EQ(JournalSchema::ReadSchemaRevision(db), 4);
}
