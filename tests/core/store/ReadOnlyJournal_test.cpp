// A journal that cannot be written opens for reading only and says so at once: the commands
// that write are disabled, searching lists its results without marking them in the file, and
// nothing in the file changes.
#include "browser/PaneCommandRules.h"
#include "dialogs/SearchRules.h"
#include "editor/CEntryDoc.h"
#include "store/JournalMessages.h"
#include "support/FakeTextView.h"
#include "support/RawSqlite.h"
#include "support/SessionFixture.h"
#include "support/SmallDisk.h"

#include <filesystem>
#include <functional>
#include <sys/stat.h>

namespace {

using JournalAccess::ReadOnlyCause;
namespace fs = std::filesystem;

class ReadOnlyJournal : public SessionFixture {
protected:
    void SetUp() override {
        disk = std::make_unique<SmallDisk>(pathFor("disk"), 512);
        folder = disk->mounted() ? pathFor("disk") : pathFor("shelf");
        fs::create_directories(folder);
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
    struct Case {
        const char* name;
        ReadOnlyCause cause;
        std::function<bool()> lock, unlock; // false when it could not be done
    };
    const Case cases[] = {
        {"read-only file", ReadOnlyCause::File, [&] { return ::chmod(path.c_str(), 0444) == 0; },
         [&] { return ::chmod(path.c_str(), 0644) == 0; }},
        {"read-only folder", ReadOnlyCause::Folder,
         [&] { return ::chmod(folder.c_str(), 0555) == 0; },
         [&] { return ::chmod(folder.c_str(), 0777) == 0; }},
        {"read-only disk", ReadOnlyCause::Disk, [&] { return disk->setReadOnly(true); },
         [&] { return disk->setReadOnly(false); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.cause == ReadOnlyCause::Disk && !disk->mounted())
            continue; // a read-only mount needs mount rights (root)
        ASSERT_TRUE(c.lock());
        const std::string before = snapshot();
        ui.answerMessage(JournalMessages::OpenedReadOnly(c.cause), MessageAnswer::Ok);
        ASSERT_EQ(doc.OpenJournal(path), CQBKDoc::OpenOk);
        EXPECT_TRUE(doc.IsReadOnly());
        EXPECT_EQ(ui.messages().back().icon, MessageIcon::Information);

        // Searching finds and lists, marking nothing.
        SearchValues search;
        search.findText = "heron";
        const std::vector<EntryRow> found = SearchRules::Run(doc, ui, search).rows;
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].entryId, id);

        // A write that gets past the disabled commands is refused by the connection.
        FakeTextView view;
        CEntryDoc entry(doc, ui, view);
        doc.OpenEntry(id);
        entry.LoadEntry(doc.LoadEntryText(id), id);
        view.type("{\\rtf1\\ansi changed\\par}");
        ui.answerMessage(MessageAnswer::Ok);
        EXPECT_FALSE(entry.OnSaveEntry());
        ui.answerMessage(MessageAnswer::Ok);
        EXPECT_FALSE(doc.RenameTopic("{T}", "herons"));

        ui.answerMessage(MessageAnswer::No); // the editor's save question
        EXPECT_TRUE(doc.CloseJournal());
        EXPECT_EQ(snapshot(), before);
        EXPECT_FALSE(fs::exists(path + "-journal"));

        ASSERT_TRUE(c.unlock());
        ASSERT_EQ(doc.OpenJournal(path), CQBKDoc::OpenOk);
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

} // namespace
