// A damaged journal (a page zeroed, the file cut short) opens for reading only and says why: the
// commands that write are disabled, a write that gets past them is refused in words, and the
// file keeps every byte.
#include "core/browser/EntryRows.h"
#include "core/platform/CommandRouter.h"
#include "core/store/DamageMessages.h"
#include "support/PageDamage.h"
#include "support/RawSqlite.h"
#include "support/SessionFixture.h"

#include <filesystem>
#include <fstream>
#include <functional>

namespace {

using DamagedJournal = SessionFixture;

TEST_F(DamagedJournal, OpensForReadingOnlyAndRefusesEveryWrite) {
    const std::string path = createJournal("damaged.qbk");
    std::string last;
    for (int i = 0; i < 60; ++i)
        last = saveNewEntry("{\\rtf1\\ansi " + std::string(300, char('a' + i % 26)) + "\\par}");
    rawExec(path, "INSERT INTO Topic VALUES ('{T}', 'birds')");
    doc.CloseJournal();
    const std::string pristine = fileBytes(path);
    const long leaf = *entryPages(path).at(last).rbegin();
    const long links = std::stol(rawValue(path, "SELECT rootpage FROM sqlite_master "
                                                "WHERE name = 'Entry2Topic'"));
    const std::function<void()> damages[] = {
        [&] { damagePage(path, leaf); },
        [&] { damagePage(path, links); }, // the entries list as ever, without topics
        [&] { std::filesystem::resize_file(path, pristine.size() / 2); },
    };
    CommandRouter router;
    router.setDocument(&doc);
    router.setVeto([this](CommandId command) { return doc.RefusesCommand(command); });
    for (const auto& damage : damages) {
        std::ofstream(path, std::ios::binary) << pristine;
        damage();
        const std::string before = fileBytes(path);
        ui.answerMessage(DamageMessages::OpenedDamaged(), MessageAnswer::Ok);
        ASSERT_EQ(doc.OpenJournal(path), CQBKDoc::OpenResult::Ok);
        EXPECT_TRUE(doc.IsDamaged() && doc.IsReadOnly());
        EXPECT_EQ(doc.ReadOnlyIndicator(), DamageMessages::ReadOnlyIndicator(true));
        if (&damage == &damages[1]) {
            EXPECT_EQ(LoadShownEntryRows(doc, EntryFilter{}).size(), 60u);
        }

        for (const CommandId command : {ID_FILE_NEW_ENTRY, ID_FILE_NEW_FOLDER, ID_TOPIC_NEW,
                                        ID_FILE_JOURNAL_OPTIONS, ID_FILE_CHANGE_PASSWORD}) {
            EXPECT_FALSE(router.state(command).enabled) << command;
            EXPECT_FALSE(router.dispatch(command)) << command;
        }
        std::string entry = "{new_entry}";
        ui.answerMessage(DamageMessages::Refused(), MessageAnswer::Ok);
        EXPECT_EQ(doc.SaveEntry("{\\rtf1\\ansi new\\par}", entry), CQBKDoc::SaveResult::Failed);
        ui.answerMessage(DamageMessages::Refused(), MessageAnswer::Ok);
        EXPECT_FALSE(doc.RenameTopic("{T}", "herons"));
        EXPECT_TRUE(doc.CloseJournal());
        EXPECT_EQ(fileBytes(path), before);
    }
}

} // namespace
