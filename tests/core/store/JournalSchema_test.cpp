#include "dialogs/NewJournalValues.h"
#include "platform/Guid.h"
#include "protect/PasswordDigest.h"
#include "store/JournalSchema.h"
#include "store/SqlDatabase.h"
#include "store/StoredText.h"
#include "support/RawSqlite.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class JournalSchemaTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::string path = dir.filePath(QStringLiteral("test.qbk")).toStdString();

    void create(const NewJournalValues& values, const std::string& contentKey) {
        SqlDatabase db;
        db.open(path);
        JournalSchema::CreateTables(db);
        JournalSchema::InsertSettings(db, values, contentKey);
    }

    RawRow configRow(const std::string& columns) {
        const auto rows = rawQuery(path, "SELECT " + columns + " FROM Config");
        EXPECT_EQ(rows.size(), 1u);
        return rows.empty() ? RawRow{} : rows.front();
    }
};

const std::string kContentKey = "{8E3B9C2A-1D4F-4A6B-9C8D-0123456789AB}";

} // namespace

TEST_F(JournalSchemaTest, NewJournalHoldsFiveTablesAndOneSettingsRowWithTheDefaults) {
    create(NewJournalValues{}, kContentKey);

    const auto tables = rawQuery(path, "SELECT type, name FROM sqlite_master ORDER BY rowid");
    ASSERT_EQ(tables.size(), 5u);
    const char* names[] = {"Config", "Folder", "Entry", "Topic", "Entry2Topic"};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(*tables[i][0], "table");
        EXPECT_EQ(*tables[i][1], names[i]);
    }
    for (const char* table : {"Folder", "Entry", "Topic", "Entry2Topic"})
        EXPECT_TRUE(rawQuery(path, std::string("SELECT * FROM ") + table).empty()) << table;

    const RawRow row = configRow(
        "SchemaRevision, Title, Owner, DateFormat, TimeFormat, AutoHide, AutoHideDelay, AutoClose,"
        " AutoCloseDelay, AutoSave, AutoSaveDelay, PromptForComment, ConfirmEntryMove,"
        " ConfirmFolderMove, ConfirmDate, ShowFirstLine, HasPassword, Password, DefaultFontName,"
        " DefaultFontSize, typeof(InstanceID), typeof(HasPassword)");
    const std::vector<std::string> expected = {
        "3", "", "", "%A, %B %d %Y", "%I:%M %p", "0", "5", "0", "5", "0", "5", "1", "1", "1",
        "0", "0", "0", "", "Times New Roman", "12", "text", "integer"};
    ASSERT_EQ(row.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(row[i].value_or("<NULL>"), expected[i]) << "column " << i;
}

TEST_F(JournalSchemaTest, ContentKeyIsStoredEncipheredWithTheEmptyKeyOrThePassword) {
    create(NewJournalValues{}, kContentKey);
    RawRow row = configRow("InstanceID");
    EXPECT_EQ(DecipherFromStorage(row[0]->c_str(), ""), kContentKey);

    NewJournalValues protectedValues;
    protectedValues.m_password = "s3cret";
    ASSERT_TRUE(std::remove(path.c_str()) == 0);
    create(protectedValues, kContentKey);
    row = configRow("HasPassword, Password, InstanceID");
    EXPECT_EQ(*row[0], "1");
    EXPECT_EQ(*row[1], PasswordDigest("s3cret").HexDigest());
    EXPECT_EQ(DecipherFromStorage(row[2]->c_str(), "s3cret"), kContentKey);
    EXPECT_NE(DecipherFromStorage(row[2]->c_str(), ""), kContentKey);
}

TEST_F(JournalSchemaTest, ApostrophesAndNonAsciiInTextsAreStoredIntact) {
    NewJournalValues values;
    values.m_title = "Mary's 'daily' journal";
    values.m_owner = "O'Brien \xe9";
    values.m_dateFormat = "%d '%m' %Y";
    values.m_fontName = "Bob's Font";
    create(values, NewGuidText());
    const RawRow row = configRow("Title, Owner, DateFormat, DefaultFontName");
    EXPECT_EQ(*row[0], values.m_title);
    EXPECT_EQ(*row[1], values.m_owner);
    EXPECT_EQ(*row[2], values.m_dateFormat);
    EXPECT_EQ(*row[3], values.m_fontName);
}

TEST_F(JournalSchemaTest, RevisionReadsZeroForNullOrMissingRow) {
    {
        SqlDatabase db;
        db.open(path);
        db.execute("CREATE TABLE Config (SchemaRevision INTEGER)");
        EXPECT_EQ(JournalSchema::ReadSchemaRevision(db), 0);
        db.execute("INSERT INTO Config VALUES (NULL)");
        EXPECT_EQ(JournalSchema::ReadSchemaRevision(db), 0);
        db.execute("UPDATE Config SET SchemaRevision = 4");
        EXPECT_EQ(JournalSchema::ReadSchemaRevision(db), 4);
    }
}
