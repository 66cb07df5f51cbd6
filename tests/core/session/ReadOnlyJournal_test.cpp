// A journal that cannot be written opens for reading only and says so at once: the commands
// that write are disabled, searching lists its results without marking them in the file, and
// nothing in the file changes.
#include "core/dialogs/SearchRules.h"
#include "core/platform/CommandRouter.h"
#include "core/session/PaneCommandRules.h"
#include "core/store/JournalMessages.h"
#include "support/RawSqlite.h"
#include "support/SessionFixture.h"
#include "support/SmallDisk.h"

#include <filesystem>
#include <sys/stat.h>

namespace {

using JournalAccess::ReadOnlyCause;

class ReadOnlyJournal : public SessionFixture {
protected:
    void SetUp() override {
        disk = std::make_unique<SmallDisk>(pathFor("disk"), 512);
        folder = disk->mounted() ? pathFor("disk") : pathFor("shelf");
        std::filesystem::create_directories(folder);
        path = createJournal(folder + "/kept.qbk");
        id = saveNewEntry("{\\rtf1\\ansi The heron came back\\par}");
        saveNewEntry("{\\rtf1\\ansi Rain all day\\par}");
        rawExec(path, "INSERT INTO Topic VALUES ('{T}', 'birds')");
        doc.CloseJournal();
    }
    // Everything about the file that a write would change.
    std::string snapshot() {
        struct stat status {};
        ::stat(path.c_str(), &status);
        return fileBytes(path) + std::to_string(status.st_mtim.tv_sec) + "." +
               std::to_string(status.st_mtim.tv_nsec);
    }

    std::unique_ptr<SmallDisk> disk;
    std::string folder, path, id;
};

TEST_F(ReadOnlyJournal, OpensForReadingOnlyWhateverMakesItSo) {
    // Makes the file, its folder or its disk read-only or writable; false when it cannot.
    const auto lock = [&](ReadOnlyCause cause, bool on) {
        if (cause == ReadOnlyCause::File)
            return ::chmod(path.c_str(), on ? 0444 : 0644) == 0;
        if (cause == ReadOnlyCause::Folder)
            return ::chmod(folder.c_str(), on ? 0555 : 0777) == 0;
        return disk->setReadOnly(on);
    };
    CommandRouter router;
    router.setDocument(&doc);
    router.setVeto([this](CommandId command) { return doc.RefusesCommand(command); });
    for (const ReadOnlyCause cause :
         {ReadOnlyCause::File, ReadOnlyCause::Folder, ReadOnlyCause::Disk}) {
        SCOPED_TRACE(static_cast<int>(cause));
        if (cause == ReadOnlyCause::Disk && !disk->mounted())
            continue; // a read-only mount needs mount rights (root)
        ASSERT_TRUE(lock(cause, true));
        const std::string before = snapshot();
        ui.answerMessage(JournalMessages::OpenedReadOnly(cause), MessageAnswer::Ok);
        ASSERT_EQ(doc.OpenJournal(path), CQBKDoc::OpenResult::Ok);
        EXPECT_TRUE(doc.IsReadOnly());
        EXPECT_EQ(ui.messages().back().icon, MessageIcon::Information);

        // The commands that write are disabled and refused; reading an entry is not.
        for (const CommandId command : {ID_FILE_NEW_ENTRY, ID_FILE_JOURNAL_OPTIONS,
                                        ID_FILE_CHANGE_PASSWORD, ID_EDIT_MASTER_TOPIC_LIST}) {
            EXPECT_FALSE(router.state(command).enabled) << command;
            EXPECT_FALSE(router.dispatch(command)) << command;
        }
        for (const CommandId command :
             {ID_TOOLS_SEARCH, ID_FILE_PRINT_JOURNAL, ID_FILE_CLOSE_JOURNAL})
            EXPECT_TRUE(router.state(command).enabled) << command;
        EXPECT_FALSE(doc.RefusesCommand(ID_FILE_OPEN_ENTRY));

        // Searching finds and lists, marking nothing.
        SearchValues search;
        search.findText = "heron";
        const std::vector<EntryRow> found = SearchRules::Run(doc, ui, search).rows;
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].entryId, id);

        // A write that gets past the disabled commands is refused by the connection.
        std::string entry = id;
        ui.answerMessage(MessageAnswer::Ok);
        EXPECT_EQ(doc.SaveEntry("{\\rtf1\\ansi changed\\par}", entry), CQBKDoc::SaveResult::Failed);
        ui.answerMessage(MessageAnswer::Ok);
        EXPECT_FALSE(doc.RenameTopic("{T}", "herons"));
        EXPECT_TRUE(doc.CloseJournal());
        EXPECT_EQ(snapshot(), before);
        EXPECT_FALSE(std::filesystem::exists(path + "-journal"));

        ASSERT_TRUE(lock(cause, false));
        ASSERT_EQ(doc.OpenJournal(path), CQBKDoc::OpenResult::Ok);
        EXPECT_FALSE(doc.IsReadOnly());
        doc.CloseJournal();
    }
}

TEST_F(ReadOnlyJournal, AnOlderJournalThatCannotBeBroughtUpToDateIsNotOpened) {
    rawExec(path, "UPDATE Config SET SchemaRevision = 2");
    ::chmod(path.c_str(), 0444);
    const std::string before = snapshot();
    ui.answerMessage(JournalMessages::kReadOnlyNeedsUpgrade, MessageAnswer::Ok);
    doc.ReportOpenResult(doc.OpenJournal(path));
    EXPECT_FALSE(doc.IsJournalOpen());
    EXPECT_EQ(snapshot(), before);
}

// Opened only to read, an older journal is read as it is, said nothing about, and not touched.
TEST_F(ReadOnlyJournal, OpenedToReadAnOlderJournalIsReadAsItIs) {
    rawExec(path, "ALTER TABLE Config DROP COLUMN DefaultFontName; ALTER TABLE Config DROP "
                  "COLUMN DefaultFontSize; UPDATE Config SET SchemaRevision = 2");
    const std::string before = snapshot();
    ASSERT_EQ(doc.OpenJournalToRead(path), CQBKDoc::OpenResult::Ok);
    EXPECT_TRUE(doc.IsReadOnly());
    EXPECT_EQ(doc.DefaultFontName(), "Times New Roman");
    SearchCriteria criteria;
    criteria.findText = "heron";
    doc.Search(criteria);
    EXPECT_EQ(doc.SearchHits(), std::vector<std::string>{id});
    doc.CloseJournal();
    EXPECT_EQ(snapshot(), before);
}

} // namespace
