// Rescue saves every entry whose pages can be read and never writes the damaged file.

#include "support/PageDamage.h"
#include "support/RawSqlite.h"
#include "support/TestJournal.h"

#include "core/export/JournalRescue.h"

#include <QTemporaryDir>
#include <gmock/gmock.h>

#include <algorithm>
#include <fstream>

namespace {

using Texts = std::map<std::string, std::string>; // stored text by entry id

Texts storedTexts(const std::string& path) {
    Texts texts;
    for (const RawRow& row : rawQuery(path, "SELECT EntryID, EntryText FROM Entry"))
        texts[row[0].value_or("<NULL>")] = row[1].value_or("<NULL>");
    return texts;
}

} // namespace

// 200 entries, every ninth longer than a page, every third linked; any one page damaged (zeros
// or noise) or the file cut short. Zeros on a tree page hide nothing: exactly those are saved.
TEST(JournalRescueTest, SavesEveryEntryWhosePagesAreIntact) {
    TestJournal journal;
    journal.db().execute("BEGIN");
    journal.addTopic("{T}", "Birds");
    for (int i = 0; i < 200; ++i) {
        const std::string id = "{E" + std::to_string(1000 + i) + "}";
        journal.addEntry(id, "2020-01-01 10:00", "{Root}", "", false,
                         "{\\rtf1\\ansi " + std::string(i % 9 ? 40 + i : 6000, 'a') + "\\par}");
        if (i % 3 == 0)
            journal.link(id, "{T}");
    }
    journal.db().execute("COMMIT");
    const std::string source = journal.path(), pristine = fileBytes(source);
    const Texts written = storedTexts(source);
    const std::map<std::string, std::set<long>> pages = entryPages(source);
    const QTemporaryDir dir;
    const std::string out = dir.path().toStdString() + "/rescued.qbk";

    const auto rescue = [&](const std::set<long>& damaged, bool exact) {
        const std::string before = fileBytes(source);
        const RescueResult result = RescueJournal(source, out, true);
        EXPECT_EQ(fileBytes(source), before);
        Texts intact;
        std::vector<std::string> linkedLost, missed;
        for (const auto& [id, used] : pages) {
            if (std::none_of(used.begin(), used.end(), [&](long p) { return damaged.count(p); }))
                intact[id] = written.at(id);
            else if (std::stoi(id.substr(2)) % 3 == 1)
                linkedLost.push_back(id);
        }
        ASSERT_TRUE(result.ok || intact.empty()) << result.message.toStdString();
        if (!result.ok)
            return;
        const Texts saved = storedTexts(out);
        for (const auto& [id, text] : intact)
            if (!saved.count(id) || saved.at(id) != text)
                missed.push_back(id);
        EXPECT_THAT(missed, testing::IsEmpty());
        if (exact) {
            EXPECT_EQ(result.tables.at(2).lostAny(), intact.size() < written.size()); // Entry
            EXPECT_EQ(saved.size(), intact.size());
            EXPECT_EQ(result.linkedEntriesMissing, linkedLost);
        }
    };
    const long count = std::stol(rawValue(source, "PRAGMA page_count"));
    // Zeros on an overflow page read as text that ends early: SQLite sees no damage there.
    std::set<long> overflow;
    for (const RawRow& row : rawQuery(source, "SELECT pageno FROM dbstat WHERE pagetype = "
                                              "'overflow'"))
        overflow.insert(std::stol(*row[0]));
    for (long page = 1; page <= count; ++page) {
        for (const unsigned seed : {0u, unsigned(page)}) {
            SCOPED_TRACE("page " + std::to_string(page) + " seed " + std::to_string(seed));
            std::ofstream(source, std::ios::binary) << pristine;
            damagePage(source, page, seed);
            rescue({page}, seed == 0 && !overflow.count(page));
        }
    }
    std::ofstream(source, std::ios::binary) << pristine.substr(0, pristine.size() / 2);
    std::set<long> cut;
    for (long page = count / 2 + 1; page <= count; ++page)
        cut.insert(page);
    rescue(cut, false);
}
