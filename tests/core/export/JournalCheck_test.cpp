// The check finds each kind of damage seeded with plain SQL, and nothing in a sound journal.

#include "support/RawSqlite.h"
#include "support/TestJournal.h"

#include "core/export/JournalCheck.h"
#include "core/store/SqlBinary.h"
#include "core/store/SqlDatabase.h"
#include "core/store/StoredText.h"

#include <gmock/gmock.h>

#include <tuple>

namespace {

constexpr const char* kEntry = "{E0000000-0000-0000-0000-000000000001}";
constexpr const char* kFolder = "{F0000000-0000-0000-0000-000000000001}";
constexpr const char* kTopic = "{70000000-0000-0000-0000-000000000001}";
constexpr const char* kRtf =
    "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 {\\b Sound} text\\par}";

// A journal with one of everything, all of it sound.
void fillSound(TestJournal& journal) {
    journal.addFolder(kFolder, "{Root}", "Work");
    journal.addFolder("{F0000000-0000-0000-0000-000000000002}", kFolder, "Inner");
    journal.addTopic(kTopic, "Travel");
    journal.addEntry(kEntry, "2004-07-05 14:30", kFolder, "typed", true, kRtf);
    journal.addEntry("{E0000000-0000-0000-0000-000000000002}", "2004-07-06 09:00", "{Root}", "",
                     false, kRtf);
    journal.link(kEntry, kTopic);
    journal.link("{new_entry}", kTopic); // an entry being written: not a fault
}

std::vector<std::string> check(const std::string& path, const std::string& password = "") {
    SqlDatabase db;
    db.open(path);
    JournalCheck check(db);
    EXPECT_TRUE(check.Unlock(password));
    return check.Run();
}

std::string enciphered(const std::string& plain) {
    return EncipherForStorage(plain, TestJournal::kContentKey);
}

// Each fault: its name, the SQL that seeds it, and the one problem line it must give.
std::vector<std::tuple<const char*, std::string, const char*>> faults() {
    const std::string e = kEntry, t = kTopic, where = " WHERE EntryID = '" + e + "'";
    const std::string inWork = std::string(" WHERE FolderID = '") + kFolder + "'";
    const auto text = [&](const std::string& stored) {
        return "UPDATE Entry SET EntryText = '" + stored + "'" + where;
    };
    SqlBinary cut; // 13 bytes: not whole cipher blocks
    cut.setBytes(reinterpret_cast<const unsigned char*>("zzzzzzzzzzzzz"), 13);
    return {
        {"time stamp", "UPDATE Entry SET TimeStamp = '2004-13-05 14:30'" + where,
         "time stamp \"2004-13-05 14:30\" does not parse"},
        {"time stamp shape", "UPDATE Entry SET TimeStamp = '2004/07/05 14.30'" + where,
         "does not parse"},
        {"missing folder", "UPDATE Entry SET FolderID = '{gone}'" + where,
         "filed in folder {gone}, which does not exist"},
        {"comment codec", "UPDATE Entry SET Comment = 'a' || char(1)" + where,
         "the comment does not decode"},
        {"text cut short", text(cut.encoded()),
         "the text is cut short (13 bytes, not whole cipher blocks)"},
        {"not RTF", text(enciphered("just words")), "the text does not decipher to RTF"},
        {"RTF truncated", text(enciphered("{\\rtf1 {\\b open")), "RTF ends inside an open group"},
        {"RTF extra brace", text(enciphered("{\\rtf1 a}}")), "RTF closes a group it never opened"},
        {"link without entry", "INSERT INTO Entry2Topic VALUES(NULL, '" + t + "')",
         "topic link <NULL> -> {70000000-0000-0000-0000-000000000001}: the entry does not exist"},
        {"link to missing topic", "INSERT INTO Entry2Topic VALUES('" + e + "', '{gone}')",
         "the topic does not exist"},
        {"link twice", "INSERT INTO Entry2Topic VALUES('" + e + "', '" + t + "')",
         "stored 2 times"},
        {"missing parent", "UPDATE Folder SET ParentID = '{gone}'" + inWork,
         "\"Work\": its parent {gone} does not exist"},
        {"cycle", "UPDATE Folder SET ParentID = '{F0000000-0000-0000-0000-000000000002}'" + inWork,
         "their parents form a cycle"},
        {"self parent", "UPDATE Folder SET ParentID = FolderID" + inWork,
         "their parents form a cycle"},
        {"duplicate id", "INSERT INTO Topic VALUES('" + t + "', 'Again')",
         "the id is used by 2 rows"},
        {"null id", "INSERT INTO Folder VALUES(NULL, '{Root}', 'Nameless')", "rows without an id"},
        {"second settings row", "INSERT INTO Config (SchemaRevision) VALUES(3)",
         "the table has 2 rows instead of one"},
    };
}

} // namespace

TEST(JournalCheckTest, FindsEachSeededFaultAsOneLine) {
    for (const auto& [name, sql, expected] : faults()) {
        SCOPED_TRACE(name);
        TestJournal journal;
        fillSound(journal);
        rawExec(journal.path(), sql);
        EXPECT_THAT(check(journal.path()), testing::ElementsAre(testing::HasSubstr(expected)));
    }
}

// Each fault above is the only line, so the sound journal without a password has none.
TEST(JournalCheckTest, APasswordJournalOpensOnlyToItsPasswordIsSoundAndReportsDamage) {
    TestJournal journal("secret");
    fillSound(journal);
    {
        SqlDatabase db;
        db.open(journal.path());
        JournalCheck check(db);
        EXPECT_TRUE(check.NeedsPassword());
        EXPECT_FALSE(check.Unlock("wrong"));
    }
    EXPECT_THAT(check(journal.path(), "secret"), testing::IsEmpty());
    // A page of the links table that is no table page: the database's own check speaks up,
    // and the parts that cannot read it say so instead of stopping the check.
    const std::string root =
        rawValue(journal.path(), "SELECT rootpage FROM sqlite_master WHERE name = 'Entry2Topic'");
    const std::string pageSize = rawValue(journal.path(), "PRAGMA page_size");
    journal.db().close();
    QFile file(QString::fromStdString(journal.path()));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek((std::stoll(root) - 1) * std::stoll(pageSize));
    file.write(QByteArray(16, '\x55'));
    file.close();
    EXPECT_THAT(check(journal.path(), "secret"),
                testing::Contains(testing::HasSubstr("database: ")));
}
