#include "core/browser/FolderEdits.h"
#include "core/platform/RecentFileList.h"
#include "core/store/JournalMessages.h"
#include "core/store/SqlQuery.h"
#include "core/store/StoredText.h"
#include "support/RawSqlite.h"
#include "support/SessionFixture.h"

#include <QSettings>

#include <filesystem>
#include <fstream>
#include <memory>
#include <tuple>

using Session = SessionFixture;
using namespace Qt::StringLiterals;

// Turns a journal into a revision-2 file, which lacks the font columns.
constexpr const char* kRevision2 =
    "CREATE TABLE c2 AS SELECT SchemaRevision, Title, Owner, DateFormat, TimeFormat, "
    "PromptForComment, ConfirmEntryMove, ConfirmFolderMove, ShowFirstLine, HasPassword, "
    "Password, InstanceID FROM Config; DROP TABLE Config; ALTER TABLE c2 RENAME TO Config;"
    "UPDATE Config SET SchemaRevision = 2";

TEST_F(Session, FilesThatAreNotJournalsOrNewerOnesAreRefusedAndLeftUnchanged) {
    const std::string journal = createJournal("mine.qbk");
    // A text file with the journal extension; SQLite files without the settings table, with no
    // row in it, or whose content key is missing or not an identifier; a newer revision.
    constexpr auto kNot = CQBKDoc::OpenResult::NotAJournal;
    const std::tuple<const char*, const char*, decltype(kNot)> cases[] = {
        {"notes.qbk", nullptr, kNot},
        {"other.qbk", "DROP TABLE Config", kNot},
        {"norow.qbk", "DELETE FROM Config", kNot},
        {"nokey.qbk", "UPDATE Config SET InstanceID = NULL", kNot},
        {"emptykey.qbk", "UPDATE Config SET InstanceID = ''", kNot},
        {"badkey.qbk", "UPDATE Config SET InstanceID = 'xABCDEFGH'", kNot},
        {"newer.qbk", "UPDATE Config SET SchemaRevision = 4", CQBKDoc::OpenResult::NewerVersion},
    };
    ui.answerMessage(JournalMessages::kQueryClose, MessageAnswer::Yes); // the open one closes
    for (const auto& [name, sql, result] : cases) {
        const std::string path = pathFor(name);
        if (sql) {
            std::filesystem::copy_file(journal, path);
            rawExec(path, sql);
        } else {
            std::ofstream(path) << "just some notes\n";
        }
        const std::string before = fileBytes(path);
        EXPECT_EQ(doc.OpenJournal(path), result) << name;
        EXPECT_FALSE(doc.IsJournalOpen()) << name;
        EXPECT_EQ(fileBytes(path), before) << name;
    }
}

TEST_F(Session, OlderRevisionsAreUpgradedAndANewerOneIsTold) {
    const std::string path = createJournal("j.qbk");
    doc.CloseJournal();
    EXPECT_EQ(CQBKDoc::OpenResultMessage(CQBKDoc::OpenResult::NewerVersion),
              "The Journal you are trying to open requires\na newer version Quillbook.");

    // A revision-2 file: the font columns are dropped and come back with their defaults.
    rawExec(path, kRevision2);
    EXPECT_EQ(doc.OpenJournal(path), CQBKDoc::OpenResult::Ok);
    EXPECT_EQ(doc.DefaultFontName(), "Times New Roman");
    EXPECT_EQ(doc.DefaultFontSize(), 12);
    EXPECT_EQ(rawValue(path, "SELECT SchemaRevision || DefaultFontSize || DefaultFontName FROM "
                             "Config"),
              "312Times New Roman");
}

TEST_F(Session, CreateThenReopenKeepsSettingsTitleAndRecentList) {
    const std::string path = createJournal("Travel.qbk");
    EXPECT_EQ(host.recent.front(), path);
    EXPECT_EQ(ui.messages().back().icon, MessageIcon::Information);
    EXPECT_EQ(doc.GetTitle(), "Travel.qbk"); // known before any reopening

    // A tree that lists the entries on reload: they are not listed a second time.
    panes.onReload = [this] { doc.RefreshEntryList(); };
    const std::string sealed = EncipherForStorage("kept", doc.Reader().Keyed());
    log.clear();
    doc.CloseJournal();
    EXPECT_EQ(log.calls,
              (std::vector<std::string>{"ClearPreview", "Reload", "LoadEntries", "LoadTopics"}));
    log.clear();
    EXPECT_EQ(open(path), CQBKDoc::OpenResult::Ok);
    EXPECT_EQ(log.count("LoadEntries"), 1);
    EXPECT_EQ(doc.GetTitle(), "Travel.qbk"); // no title: the file name
    EXPECT_EQ(doc.FileName(), "Travel.qbk");
    EXPECT_TRUE(doc.ConfirmsEntryMove());
    EXPECT_EQ(doc.Reader().Decipher(sealed.c_str()), "kept"); // the same content key
}

// Paths are bytes from end to end: a folder name that is not UTF-8 is listed, kept in the
// profile and opened again.
TEST_F(Session, AJournalUnderANonUtf8FolderIsListedAndReopened) {
    ASSERT_TRUE(std::filesystem::create_directory(pathFor("\xff\xfe")));
    const std::string path = createJournal("\xff\xfe/j.qbk");
    RecentFileList recent;
    recent.add(host.recent.front());
    EXPECT_TRUE(QString::fromUtf8(recent.menuText(0)).endsWith(u"/\ufffd\ufffd/j.qbk"));
    QSettings settings(dir.filePath(u"q.conf"_s), QSettings::IniFormat);
    recent.save(settings);
    settings.sync();
    recent.load(settings);
    doc.CloseJournal();
    EXPECT_EQ(open(recent.path(0)), CQBKDoc::OpenResult::Ok);
    EXPECT_EQ(doc.Path(), path);
}

TEST_F(Session, ABackgroundReaderReadsTheSameRowsAndCannotWrite) {
    EXPECT_EQ(doc.OpenBackgroundReader(), nullptr); // no journal open
    createJournal("b.qbk");
    const std::string id = saveNewEntry("{\\rtf1 Shared\\par}");
    const std::unique_ptr<BackgroundReader> background = doc.OpenBackgroundReader();
    ASSERT_NE(background, nullptr);
    const JournalReader& reader = background->Reader();
    SqlQuery query = reader.Db().query("SELECT EntryID, EntryText FROM Entry");
    ASSERT_FALSE(query.eof());
    EXPECT_EQ(query.textField(0), id);
    EXPECT_EQ(reader.Decipher(query.fieldValue(1)), "{\\rtf1 Shared\\par}");
    query.finalize();
    EXPECT_THROW(reader.Db().execute("DELETE FROM Entry"), CppSQLite3Exception);
    EXPECT_EQ(doc.LoadEntryText(id), "{\\rtf1 Shared\\par}");
}

TEST_F(Session, OptionsAreWrittenBackAndTheTreeReloadsOnlyForANewTitle) {
    const std::string path = createJournal("o.qbk");
    ui.acceptDialog<OptionsValues>([](OptionsValues& v) {
        EXPECT_EQ(v.m_dateFormat, "%A, %B %d %Y");
        v.m_title = "Kate's book";
        v.m_owner = "O'Hara";
        v.m_timeFormat = "%H:%M";
        v.m_bConfirmEntryMove = false;
        v.m_fontSize = 14;
    });
    log.clear();
    doc.JournalOptions();
    EXPECT_EQ(log.calls, (std::vector<std::string>{"LoadEntries", "Reload"}));
    EXPECT_EQ(doc.GetTitle(), "Kate's book");
    EXPECT_FALSE(doc.ConfirmsEntryMove());
    EXPECT_EQ(doc.DefaultFontSize(), 14);
    EXPECT_EQ(rawValue(path, "SELECT Title || '|' || Owner || '|' || TimeFormat || '|' || "
                             "ConfirmEntryMove FROM Config"),
              "Kate's book|O'Hara|%H:%M|0");

    // Same title: no tree reload. Cancelled: the entry list is still repopulated.
    for (const bool accept : {true, false}) {
        accept ? ui.acceptDialog<OptionsValues>() : ui.cancelDialog<OptionsValues>();
        log.clear();
        doc.JournalOptions();
        EXPECT_EQ(log.calls, std::vector<std::string>{"LoadEntries"}) << accept;
    }

    // A cleared title is stored empty and the file name is shown, as on opening.
    ui.acceptDialog<OptionsValues>([](OptionsValues& v) { v.m_title.clear(); });
    doc.JournalOptions();
    EXPECT_EQ(rawValue(path, "SELECT Title FROM Config"), "");
    EXPECT_EQ(doc.GetTitle(), "o.qbk");
    EXPECT_EQ(ReadRootLabel(doc.Reader().Db(), doc.FileName()), "o.qbk (all entries)");

    doc.CloseJournal();
    ui.answerMessage(JournalMessages::kJournalNotOpen, MessageAnswer::Ok);
    doc.JournalOptions();
}

// Set, changed after a wrong old password, and removed; the prompt asks until the password is
// right or it is cancelled; the entries stay readable, their stored bytes unchanged.
TEST_F(Session, PasswordCanBeSetChangedAndRemovedWithEntriesReadable) {
    const std::string path = createJournal("p.qbk");
    const std::string id = saveNewEntry("{\\rtf1 hello\\par}");
    const auto entryBefore = rawQuery(path, "SELECT EntryText, Comment FROM Entry");

    // Unprotected: both fields empty changes nothing.
    ui.acceptDialog<ChangePasswordValues>();
    ui.answerMessage(JournalMessages::kPasswordNotChanged, MessageAnswer::Ok);
    doc.ChangePassword();

    ui.acceptDialog<ChangePasswordValues>([](ChangePasswordValues& v) {
        EXPECT_FALSE(v.m_hasPassword);
        v.m_newPassword = v.m_confirmPassword = "one";
    });
    ui.answerMessage(JournalMessages::kPasswordChanged, MessageAnswer::Ok);
    doc.ChangePassword();
    doc.CloseJournal();
    ASSERT_EQ(open(path, "one"), CQBKDoc::OpenResult::Ok);
    EXPECT_EQ(doc.LoadEntryText(id), "{\\rtf1 hello\\par}");

    // Wrong old password: the dialog again with its fields emptied.
    ui.acceptDialog<ChangePasswordValues>([](ChangePasswordValues& v) {
        EXPECT_TRUE(v.m_hasPassword);
        v.m_oldPassword = "ONE";
        v.m_newPassword = v.m_confirmPassword = "two";
    });
    ui.answerMessage(JournalMessages::kWrongOldPassword, MessageAnswer::Ok);
    ui.acceptDialog<ChangePasswordValues>([](ChangePasswordValues& v) {
        EXPECT_TRUE(v.m_oldPassword.empty() && v.m_newPassword.empty());
        v.m_oldPassword = "one";
        v.m_newPassword = v.m_confirmPassword = "r\xe9sum\xe9";
    });
    ui.answerMessage(JournalMessages::kPasswordChanged, MessageAnswer::Ok);
    doc.ChangePassword();
    doc.CloseJournal();

    ui.cancelDialog<PasswordValues>();
    EXPECT_EQ(doc.OpenJournal(path), CQBKDoc::OpenResult::Cancelled);
    EXPECT_FALSE(doc.IsJournalOpen());
    for (const char* wrong : {"one", "resume", "R\xe9sum\xe9", ""}) {
        ui.acceptDialog<PasswordValues>([wrong](PasswordValues& v) { v.m_password = wrong; });
        ui.answerMessage(JournalMessages::kInvalidPassword, MessageAnswer::Ok);
    }
    EXPECT_EQ(open(path, "r\xe9sum\xe9"), CQBKDoc::OpenResult::Ok); // the script holds every prompt
    EXPECT_EQ(doc.LoadEntryText(id), "{\\rtf1 hello\\par}");
    // Declining to close the open journal leaves it open and shows nothing more.
    ui.answerMessage(JournalMessages::kQueryClose, MessageAnswer::No);
    EXPECT_EQ(doc.OpenJournal(path), CQBKDoc::OpenResult::Ok);
    EXPECT_TRUE(doc.IsJournalOpen());

    ui.acceptDialog<ChangePasswordValues>(
        [](ChangePasswordValues& v) { v.m_oldPassword = "r\xe9sum\xe9"; });
    ui.answerMessage(JournalMessages::kPasswordRemoved, MessageAnswer::Ok);
    doc.ChangePassword();
    doc.CloseJournal();
    ASSERT_EQ(open(path), CQBKDoc::OpenResult::Ok);
    EXPECT_EQ(doc.LoadEntryText(id), "{\\rtf1 hello\\par}");
    EXPECT_EQ(rawQuery(path, "SELECT EntryText, Comment FROM Entry"), entryBefore);
    EXPECT_EQ(rawValue(path, "SELECT HasPassword || '|' || Password FROM Config"), "0|");
}

// Opening looks the file over as long work with the window live: meanwhile nothing else opens,
// and Cancel leaves the file as it was (an older one, which opening would upgrade).
TEST_F(Session, WhileOpeningChecksTheFileNothingElseOpensAndCancelLeavesItUnchanged) {
    const std::string path = createJournal("j.qbk");
    doc.CloseJournal();
    rawExec(path, kRevision2);
    const std::string before = fileBytes(path);
    for (const bool cancel : {true, false}) {
        ui.longWork = [&](const JournalUi::LongWork& work) {
            EXPECT_EQ(doc.OpenJournal(path), CQBKDoc::OpenResult::Cancelled);
            doc.CreateJournal(); // would ask for the new journal's name: the script fails
            work(std::atomic<bool>{cancel});
            return !cancel;
        };
        EXPECT_EQ(doc.OpenJournal(path) == CQBKDoc::OpenResult::Ok, !cancel);
        EXPECT_EQ(fileBytes(path) == before, cancel);
    }
}
