// Database failures reach the user once, as a sentence naming a cause they can act on; the
// library's own words go along as detail for a bug report.
#include "store/JournalMessages.h"
#include "support/RawSqlite.h"
#include "support/SessionFixture.h"

#include <QDir>

namespace {

using JournalFailures = SessionFixture;

// Deleting a folder reads and writes; with the file held by another program both would fail,
// and the user is told once.
TEST_F(JournalFailures, AJournalHeldByAnotherProgramIsToldOnce) {
    const std::string path = createJournal("f.qbk");
    rawExec(path, "INSERT INTO Folder (FolderID, ParentID, Name) VALUES ('{F}', '{Root}', 'F')");
    doc.RefreshIfChangedElsewhere();
    SqlDatabase other;
    other.open(path);
    other.execute("BEGIN EXCLUSIVE");
    doc.m_db.setBusyTimeout(0);
    doc.m_currentFolderId = "{F}";
    ui.answerMessage(JournalMessages::kFailBusy, MessageAnswer::Ok);
    EXPECT_EQ(doc.DeleteFolder(), 0);
    const std::vector<MessageBoxRequest> shown = ui.messages();
    ASSERT_EQ(shown.size(), 2u) << "Journal Created and one failure";
    EXPECT_EQ(shown[1].text, "Another program holds the journal, so it could not be read or "
                             "changed.\nClose the other program or wait for it to finish, then "
                             "try again.");
    EXPECT_EQ(shown[1].icon, MessageIcon::Exclamation);
    EXPECT_EQ(shown[1].detail, "SQLITE_BUSY[5]: database is locked");
    other.execute("ROLLBACK");
    EXPECT_EQ(rawQuery(path, "SELECT * FROM Folder WHERE FolderID = '{F}'").size(), 1u);
}

TEST_F(JournalFailures, NewJournalsInPlacesThatCannotHoldThemSayWhy) {
    struct Case {
        std::string path;
        const char* sentence;
    };
    const Case cases[] = {
        {pathFor(std::string(300, 'n') + ".qbk"), JournalMessages::kFailNameTooLong},
        {pathFor("missing/folder/j.qbk"), JournalMessages::kFailFolderMissing},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        ui.acceptDialog<NewJournalValues>([&](NewJournalValues& v) {
            v.m_path = c.path;
            v.m_fileName = "j.qbk";
        });
        ui.answerMessage(c.sentence, MessageAnswer::Ok);
        doc.CreateJournal();
        EXPECT_FALSE(doc.IsJournalOpen());
        EXPECT_EQ(ui.messages().back().detail.rfind("SQLITE_CANTOPEN[14]", 0), 0u);
    }
}

TEST(JournalFailureText, EachCodeNamesItsCause) {
    const QTemporaryDir dir;
    const std::string file = QDir(dir.path()).filePath(QStringLiteral("j.qbk")).toStdString();
    struct Case {
        int code;
        std::string path;
        const char* sentence;
    };
    const Case cases[] = {
        {5, file, JournalMessages::kFailBusy},
        {6, file, JournalMessages::kFailBusy},
        {13, file, JournalMessages::kFailDiskFull},
        {8, file, JournalMessages::kFailReadOnlyFile},
        {8 | (6 << 8), "/no/such/folder/j.qbk", JournalMessages::kFailFolderMissing},
        {10, file, JournalMessages::kFailDiskError},
        {11, file, JournalMessages::kFailDamaged},
        {26, file, JournalMessages::kFailDamaged},
        {14, file, JournalMessages::kFailCannotOpen},
        {14, "/tmp/" + std::string(256, 'a'), JournalMessages::kFailNameTooLong},
        {14, "/" + std::string(4100, 'b'), JournalMessages::kFailNameTooLong},
        {7, file, JournalMessages::kFailNoMemory},
        {19, file, JournalMessages::kFailOther},
        {1000, file, JournalMessages::kFailOther},
    };
    for (const Case& c : cases)
        EXPECT_EQ(JournalMessages::DatabaseFailure(c.code, c.path), c.sentence)
            << c.code << ' ' << c.path.substr(0, 40);
}

} // namespace
