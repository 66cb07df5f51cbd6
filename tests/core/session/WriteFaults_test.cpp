// Full disks and busy files: each write fails with the cause told once, the journal file stays
// exactly as it was, and the same operation succeeds once the cause is gone. (That the editor
// keeps its text after any failed save is the editor's own test.)
#include "core/editor/CEntryDoc.h"
#include "core/store/JournalMessages.h"
#include "support/FakeTextView.h"
#include "support/RawSqlite.h"
#include "support/SessionFixture.h"
#include "support/SmallDisk.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <thread>
#include <tuple>

namespace {

constexpr const char* kText = "{\\rtf1\\ansi Before\\par}";
constexpr const char* kTyped = "{\\rtf1\\ansi Typed while the disk was full\\par}";

class WriteFaults : public SessionFixture {
protected:
    void SetUp() override {
        disk = std::make_unique<SmallDisk>(pathFor("disk"), 512);
        if (!disk->mounted())
            GTEST_SKIP() << "a small file system needs mount rights (root)";
        path = createJournal("disk/full.qbk");
        id = saveNewEntry(kText);
    }
    void expectDiskFull(bool full = true) {
        if (full)
            ui.answerMessage(JournalMessages::kFailDiskFull, MessageAnswer::Ok);
    }

    std::unique_ptr<SmallDisk> disk;
    std::string path, id;
};

TEST_F(WriteFaults, EachWriteOnAFullDiskFailsLeavingTheFileAsItWas) {
    // The operation, told the failure when the disk is full; whether the file holds its change.
    using Case = std::tuple<const char*, std::function<void(bool full)>, std::function<bool()>>;
    const auto options = [](OptionsValues& v) { v.m_title = "Renamed"; };
    const auto password = [](ChangePasswordValues& v) {
        v.m_newPassword = v.m_confirmPassword = "hush";
    };
    std::string fresh = "{new_entry}";
    const Case cases[] = {
        {"save a stored entry",
         [&](bool full) {
             expectDiskFull(full);
             EXPECT_EQ(doc.SaveEntry(kTyped, id) == CQBKDoc::SaveResult::Saved, !full);
         },
         [&] { return doc.LoadEntryText(id) == kTyped; }},
        {"save a new entry",
         [&](bool full) {
             expectDiskFull(full);
             EXPECT_EQ(doc.SaveEntry(kTyped, fresh) == CQBKDoc::SaveResult::Saved, !full);
             EXPECT_EQ(fresh == "{new_entry}", full);
         },
         [&] { return doc.LoadEntryText(fresh) == kTyped; }},
        {"change the options",
         [&](bool full) {
             ui.acceptDialog<OptionsValues>(options);
             expectDiskFull(full);
             doc.JournalOptions();
             EXPECT_EQ(doc.GetTitle() == "Renamed", !full);
         },
         [&] { return rawQuery(path, "SELECT Title FROM Config")[0][0] == "Renamed"; }},
        {"set a password",
         [&](bool full) {
             ui.acceptDialog<ChangePasswordValues>(password);
             ui.answerMessage(full ? JournalMessages::kFailDiskFull
                                   : JournalMessages::kPasswordChanged,
                              MessageAnswer::Ok);
             doc.ChangePassword();
         },
         [&] { return rawQuery(path, "SELECT HasPassword FROM Config")[0][0] == "1"; }},
    };
    for (const auto& [name, run, done] : cases) {
        SCOPED_TRACE(name);
        disk->fill();
        const std::string before = fileBytes(path);
        run(true);
        EXPECT_EQ(fileBytes(path), before);
        EXPECT_FALSE(std::filesystem::exists(path + "-journal"));
        EXPECT_TRUE(doc.IsJournalOpen());
        disk->makeRoom();
        run(false);
        EXPECT_TRUE(done());
        EXPECT_EQ(ui.pendingSteps(), 0u);
    }
}

TEST_F(WriteFaults, ANewJournalOnAFullDiskLeavesNoFileBehind) {
    const std::string fresh = pathFor("disk/fresh.qbk");
    disk->fill();
    ui.answerMessage(JournalMessages::kQueryClose, MessageAnswer::Yes);
    ui.acceptDialog<NewJournalValues>([&](NewJournalValues& v) {
        v.m_path = fresh;
        v.m_fileName = "fresh.qbk";
    });
    expectDiskFull();
    doc.CreateJournal();
    EXPECT_FALSE(doc.IsJournalOpen());
    EXPECT_FALSE(std::filesystem::exists(fresh));
    EXPECT_EQ(rawQuery(path, "SELECT count(*) FROM Entry")[0][0], "1") << "the other journal";

    disk->makeRoom();
    createJournal("disk/fresh.qbk");
    EXPECT_TRUE(doc.IsJournalOpen());
}

// Another program holds the journal in a transaction: saving and opening wait for the time-out,
// then say the file is busy (told once: the script fails on a second message); nothing is lost
// and both succeed once it lets go.
TEST_F(SessionFixture, ABusyJournalIsToldAndTheRetrySucceeds) {
    const std::string path = createJournal("busy.qbk");
    std::string id = saveNewEntry(kText);
    rawExec(path, "INSERT INTO Folder (FolderID, ParentID, Name) VALUES ('{F}', '{Root}', 'F')");
    doc.RefreshIfChangedElsewhere();
    doc.Reader().Db().setBusyTimeout(300);

    SqlDatabase other;
    other.open(path);
    other.execute("BEGIN EXCLUSIVE");
    ui.answerMessage(JournalMessages::kFailBusy, MessageAnswer::Ok);
    EXPECT_EQ(doc.SaveEntry(kTyped, id), CQBKDoc::SaveResult::Failed);
    EXPECT_EQ(ui.messages().back().icon, MessageIcon::Exclamation);
    EXPECT_EQ(ui.messages().back().detail, "SQLITE_BUSY[5]: database is locked");
    doc.SetCurrentFolderId("{F}"); // deleting a folder reads and writes
    ui.answerMessage(JournalMessages::kFailBusy, MessageAnswer::Ok);
    EXPECT_EQ(doc.DeleteFolder(), 0);

    // Closing drops the links of an unsaved entry in the editor: that failure is told and the
    // journal closes all the same.
    FakeTextView view;
    CEntryDoc entry{doc, ui, view};
    entry.LoadEntry(kText, id);
    ui.answerMessage(JournalMessages::kFailBusy, MessageAnswer::Ok);
    ASSERT_TRUE(doc.CloseJournal());
    ui.answerMessage(JournalMessages::kBusy, MessageAnswer::Ok);
    doc.ReportOpenResult(doc.OpenJournal(path));
    EXPECT_FALSE(doc.IsJournalOpen());

    other.execute("ROLLBACK");
    ASSERT_EQ(doc.OpenJournal(path), CQBKDoc::OpenResult::Ok);
    EXPECT_EQ(doc.LoadEntryText(id), kText) << "nothing lost, nothing half-written";
    EXPECT_EQ(doc.SaveEntry(kTyped, id), CQBKDoc::SaveResult::Saved);
    EXPECT_EQ(rawValue(path, "SELECT (SELECT count(*) FROM Entry) || (SELECT FolderID FROM Folder "
                             "WHERE Name = 'F')"),
              "1{F}"); // one entry, and the folder whose delete failed
}

// A session with a window asks within a short wait instead: Cancel gives the save up as busy,
// Retry once the other program has let go saves it.
TEST_F(SessionFixture, AHeldJournalAsksRetryOrCancelSoon) {
    doc.AskWhenBusy();
    const std::string path = createJournal("held.qbk");
    std::string id = saveNewEntry(kText);
    SqlDatabase other;
    other.open(path);
    other.execute("BEGIN EXCLUSIVE");

    ui.answerMessage(JournalMessages::kHeldByAnother, MessageAnswer::Cancel);
    ui.answerMessage(JournalMessages::kFailBusy, MessageAnswer::Ok);
    const std::size_t asked = ui.messages().size();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(doc.SaveEntry(kTyped, id), CQBKDoc::SaveResult::Failed);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    EXPECT_EQ(ui.messages().at(asked).buttons, MessageButtons::RetryCancel);

    // The user's next try, after the step given up.
    std::this_thread::sleep_for(std::chrono::milliseconds(SqlDatabase::kBusyDeclineHoldsMs));
    ui.answerMessage(JournalMessages::kHeldByAnother, MessageAnswer::Retry,
                     [&] { other.execute("ROLLBACK"); });
    EXPECT_EQ(doc.SaveEntry(kTyped, id), CQBKDoc::SaveResult::Saved);
    EXPECT_EQ(rawValue(path, "SELECT count(*) FROM Entry"), "1");
    EXPECT_EQ(doc.LoadEntryText(id), kTyped);
}

} // namespace
