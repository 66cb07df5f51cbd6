// qbk rescue on a journal with a damaged page: what it saves and says, and what it writes.
#include "support/CliJournal.h"
#include "support/PageDamage.h"

TEST(CliRescue, SavesWhatCanBeReadAndNeverWritesTheJournal) {
    CliJournal journal;
    ASSERT_EQ(journal.run("create", {"--title", "Damaged"}).exitCode, 0);
    const std::string first = journal.add("The first entry of many\n");
    journal.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 120) "
                 "INSERT INTO Entry SELECT '{E' || i || '}', TimeStamp, FolderID, SearchTarget, "
                 "Comment, UserComment, EntryText FROM Entry, n WHERE EntryID = '" +
                 first + "'");
    journal.exec("INSERT INTO Topic VALUES ('{T}', 'birds')");
    journal.exec("INSERT INTO Entry2Topic VALUES ('{E1}', '{T}')");
    damagePage(journal.path(), *entryPages(journal.path()).at("{E60}").rbegin());
    // The topic lost too: its link goes with it, so the rescued journal checks sound.
    damagePage(journal.path(), std::stol(rawValue(journal.path(), "SELECT rootpage FROM "
                                                                  "sqlite_master WHERE name = "
                                                                  "'Topic'")));
    const std::string before = fileBytes(journal.path());

    const std::string out = journal.path("rescued.qbk");
    const QbkResult result = journal.run("rescue", {out});
    EXPECT_EQ(result.exitCode, 3) << result.err;
    const int saved = std::stoi(rawValue(out, "SELECT count(*) FROM Entry"));
    EXPECT_TRUE(saved > 60 && saved < 121) << saved;
    EXPECT_THAT(result.out,
                testing::HasSubstr("Entries: " + std::to_string(saved) + " saved, up to "));
    EXPECT_THAT(result.out, testing::HasSubstr("as their topics were lost: 1"));
    EXPECT_EQ(runQbk({"check", out}).exitCode, 0);

    EXPECT_THAT(journal.run("rescue", {out}), ExitsWith(2, "already exists"));
    EXPECT_EQ(fileBytes(journal.path()), before);
}
