// A journal file deleted, moved or replaced while open: told as what happened (never as
// "read-only"), with Save As continuing in a new file that keeps everything. And a new entry
// whose folder another program deleted is never filed without asking.
#include "core/browser/FolderEdits.h"
#include "core/editor/CEntryDoc.h"
#include "core/session/JournalFileMessages.h"
#include "support/FakeTextView.h"
#include "support/RawSqlite.h"
#include "support/SessionFixture.h"

#include <filesystem>
#include <fstream>

namespace {

using Fate = JournalFileIdentity::Fate;
namespace fs = std::filesystem;

constexpr const char* kText = "{\\rtf1\\ansi Before\\par}";
constexpr const char* kTyped = "{\\rtf1\\ansi Typed after the file went\\par}";

class JournalFileGone : public SessionFixture {
protected:
    void SetUp() override {
        path = createJournal("gone.qbk", "pw");
        saveNewEntry(kText);
    }
    void offer(Fate fate, MessageAnswer answer) {
        if (fate == Fate::Moved) // first asked whether to go on at the new name
            ui.answerMessage(JournalFileMessages::OfferContinueAt(moved()), MessageAnswer::No);
        ui.answerMessage(JournalFileMessages::OfferSaveAs(fate), answer);
    }
    void saveAs(const std::string& target) {
        ui.acceptDialog<SaveJournalAsValues>([=](SaveJournalAsValues& v) { v.m_path = target; });
    }
    // Does to the open journal's file what another program would.
    void befall(Fate fate) {
        if (fate == Fate::Deleted)
            fs::remove(path);
        else
            fs::rename(path, moved());
        if (fate == Fate::Replaced)
            fs::copy_file(moved(), path);
    }
    std::string moved() const { return fs::weakly_canonical(path).string() + ".moved"; }
    std::size_t rows(const std::string& file, const char* table) {
        return rawQuery(file, std::string("SELECT * FROM ") + table).size();
    }

    std::string path;
    FakeTextView view;
    CEntryDoc entry{doc, ui, view};
};

TEST_F(JournalFileGone, AWriteToAFileGoneFromItsPathSaysWhatHappenedAndOffersSaveAs) {
    for (const Fate fate : {Fate::Deleted, Fate::Moved, Fate::Replaced}) {
        SCOPED_TRACE(JournalFileMessages::WhatHappened(fate));
        ASSERT_TRUE(doc.CloseJournal());
        path = createJournal(std::to_string(static_cast<int>(fate)) + ".qbk", "pw");
        saveNewEntry(kText);
        befall(fate);
        // A save looks first; declined, its failure says so without asking twice.
        offer(fate, MessageAnswer::No);
        ui.answerMessage(JournalFileMessages::ChangeNotSaved(fate), MessageAnswer::Ok);
        EXPECT_EQ(saveNewEntry(kTyped), "{new_entry}");
        // A write with no look beforehand fails in SQLite ("read-only"), told as it is.
        offer(fate, MessageAnswer::No);
        try {
            InsertNewFolder(doc.Reader().Db(), "{F1}", "{Root}");
            ADD_FAILURE() << "a write to the gone file succeeded";
        } catch (const CppSQLite3Exception& e) {
            doc.ShowDatabaseError(e);
        }
        if (fate != Fate::Deleted) { // the file itself, wherever it is, is as it was
            EXPECT_EQ(rows(moved(), "Entry"), 1u);
        }
    }
}

TEST_F(JournalFileGone, SaveAsAfterADeleteKeepsEverythingAndTheEditorFollows) {
    InsertNewFolder(doc.Reader().Db(), "{Before}", "{Root}");
    entry.OnNewDocument();
    view.type(kTyped);
    befall(Fate::Deleted);
    // As the window's watch of the file does it: told at once, before any write.
    offer(Fate::Deleted, MessageAnswer::Yes);
    const std::string taken = pathFor("taken.qbk"), saved = pathFor("saved.qbk");
    std::ofstream(taken) << "not a journal";
    saveAs(taken); // refused, and the dialog comes back
    ui.answerMessage(JournalFileMessages::TargetExists(taken), MessageAnswer::Ok);
    saveAs(saved);
    ASSERT_TRUE(doc.CheckJournalFile());
    EXPECT_EQ(doc.Path(), saved);
    InsertNewFolder(doc.Reader().Db(), "{After}", "{Root}");
    ASSERT_TRUE(entry.OnSaveEntry());

    ASSERT_TRUE(doc.CloseJournal());
    ASSERT_EQ(open(saved, "pw"), CQBKDoc::OpenResult::Ok);
    EXPECT_EQ(rows(saved, "Folder WHERE FolderID IN ('{Before}', '{After}')"), 2u);
    EXPECT_EQ(rows(saved, "Entry"), 2u);
    EXPECT_EQ(doc.LoadEntryText(entry.EntryId()), kTyped);
    EXPECT_FALSE(fs::exists(saved + ".part"));
}

TEST_F(JournalFileGone, TheRenamedFileChosenInSaveAsIsTakenUpWithoutACopy) {
    befall(Fate::Moved);
    const std::string renamed = moved();
    offer(Fate::Moved, MessageAnswer::Yes);
    saveAs(renamed);
    ASSERT_TRUE(doc.CheckJournalFile());
    EXPECT_EQ(doc.Path(), renamed);
    EXPECT_NE(saveNewEntry(kTyped), "{new_entry}");
    EXPECT_EQ(rows(renamed, "Entry"), 2u);
}

TEST_F(JournalFileGone, ARenamedFileIsFollowedToItsNewName) {
    befall(Fate::Moved);
    ui.answerMessage(JournalFileMessages::OfferContinueAt(moved()), MessageAnswer::Yes);
    ASSERT_TRUE(doc.CheckJournalFile());
    EXPECT_EQ(doc.Path(), moved());
    EXPECT_NE(saveNewEntry(kTyped), "{new_entry}");
    EXPECT_EQ(rows(moved(), "Entry"), 2u);
}

TEST_F(JournalFileGone, ANewEntryWhoseFolderWasDeletedElsewhereAsksWhereToFileIt) {
    InsertNewFolder(doc.Reader().Db(), "{Gone}", "{Root}");
    InsertNewFolder(doc.Reader().Db(), "{Kept}", "{Root}");
    doc.SetCurrentFolderId("{Gone}");
    entry.OnNewDocument();
    view.type(kTyped);
    rawExec(path, "DELETE FROM Folder WHERE FolderID = '{Gone}'"); // a second connection
    ui.cancelDialog<FolderChoiceValues>();
    EXPECT_FALSE(entry.OnSaveEntry());
    EXPECT_TRUE(view.modified);
    ui.acceptDialog<FolderChoiceValues>([](FolderChoiceValues& v) {
        EXPECT_EQ(v.m_prompt, JournalFileMessages::ChooseFolderForEntry());
        ASSERT_EQ(v.m_folders.size(), 1u);
        v.m_folderId = v.m_folders[0].id;
    });
    ASSERT_TRUE(entry.OnSaveEntry());
    EXPECT_EQ(rawQuery(path, "SELECT FolderID FROM Entry").size(), 2u);
    EXPECT_EQ(rawValue(path, "SELECT FolderID FROM Entry WHERE EntryText IS NOT NULL AND "
                             "rowid = (SELECT MAX(rowid) FROM Entry)"),
              "{Kept}");
}

} // namespace
