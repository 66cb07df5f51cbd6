// Listing and searching a journal of four entries in folders, with topics and fixed dates.
#include "support/CliJournal.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class CliListSearch : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(journal.create("Trips").exitCode, 0);
        journal.addFolder("{F-WORK}", "Work");
        journal.addFolder("{F-HOME}", "Home");
        journal.addFolder("{F-DUP1}", "Twin");
        journal.addFolder("{F-DUP2}", "Twin");
        journal.addTopic("{T-A}", "Alpha");
        journal.addTopic("{T-B}", "Beta");
        meeting = journal.add("Meeting about the budget\nNotes follow\n", {"--folder", "Work"});
        garden = journal.add("Garden planting day\n",
                             {"--folder", "Home", "--comment", "Budget for seeds"});
        review = journal.add("{\\rtf1\\ansi{\\b Bud}get review\\par}");
        matters = journal.add("budgetary matters\n", {"--folder", "Work"});
        journal.setTimeStamp(meeting, "2026-03-02 09:05");
        journal.setTimeStamp(garden, "2026-03-03 18:30");
        journal.setTimeStamp(review, "2026-03-01 00:00");
        journal.setTimeStamp(matters, "2026-03-03 23:59");
        journal.link(meeting, "{T-A}");
        journal.link(meeting, "{T-B}");
        journal.link(garden, "{T-A}");
    }

    // The ids the command lists, in the order listed.
    std::vector<std::string> ids(const std::string& command, std::vector<std::string> args) {
        args.push_back("--tsv");
        const QbkResult result = journal.run(command, args);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        std::vector<std::string> listed;
        for (const std::string& line : linesOf(result.out))
            listed.push_back(tabFields(line).at(0));
        return listed;
    }
    std::vector<std::string> found(std::vector<std::string> args) {
        std::vector<std::string> hits = ids("search", std::move(args));
        std::sort(hits.begin(), hits.end());
        return hits;
    }
    std::vector<std::string> sorted(std::vector<std::string> list) {
        std::sort(list.begin(), list.end());
        return list;
    }

    CliJournal journal;
    std::string meeting, garden, review, matters;
};

TEST_F(CliListSearch, ListsEveryEntryByDateWithItsColumns) {
    const QbkResult result = journal.run("list", {"--tsv"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::vector<std::string> lines = linesOf(result.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], review + "\tSunday, March 01 2026 12:00 AM\t(None)\t\t");
    EXPECT_EQ(lines[1], meeting + "\tMonday, March 02 2026 09:05 AM\tWork\t\tAlpha, Beta");
    EXPECT_EQ(lines[2],
              garden + "\tTuesday, March 03 2026 06:30 PM\tHome\tBudget for seeds\tAlpha");
    EXPECT_EQ(lines[3], matters + "\tTuesday, March 03 2026 11:59 PM\tWork\t\t");

    // The plain form lines the columns up.
    const std::vector<std::string> plain = linesOf(journal.run("list").out);
    ASSERT_EQ(plain.size(), 4u);
    EXPECT_EQ(plain[1].find("Monday"), plain[2].find("Tuesday"));
    EXPECT_EQ(plain[1].find("Work"), plain[2].find("Home"));

    EXPECT_EQ(journal.run("info", {"--tsv"}).out, "title\tTrips\nowner\t\nrevision\t3\n"
                                                  "password\tno\nfolders\t4\ntopics\t2\n"
                                                  "entries\t4\n");
}

TEST_F(CliListSearch, ListsByFolderAndTopics) {
    EXPECT_EQ(ids("list", {"--folder", "Work"}), (std::vector{meeting, matters}));
    EXPECT_EQ(ids("list", {"--topic", "Alpha"}), (std::vector{meeting, garden}));
    EXPECT_EQ(ids("list", {"--topic", "Alpha", "--topic", "Beta"}), (std::vector{meeting}));
    EXPECT_EQ(ids("list", {"--topic", "Beta", "--folder", "Home"}), std::vector<std::string>{});
    EXPECT_EQ(ids("list", {"--folder", "{F-DUP2}"}), std::vector<std::string>{});

    const QbkResult twin = journal.run("list", {"--folder", "Twin"});
    EXPECT_EQ(twin.exitCode, 2);
    EXPECT_NE(twin.err.find("more than one folder"), std::string::npos) << twin.err;
    EXPECT_EQ(journal.run("list", {"--topic", "Gamma"}).exitCode, 2);
}

TEST_F(CliListSearch, SearchesTextAndCommentsWithTheirOptions) {
    EXPECT_EQ(found({"budget"}), sorted({meeting, garden, review, matters}));
    EXPECT_EQ(found({"Budget", "--case"}), sorted({garden, review}));
    EXPECT_EQ(found({"budget", "--word"}), sorted({meeting, garden, review}));
    EXPECT_EQ(found({"seeds", "--comments"}), (std::vector{garden}));
    EXPECT_EQ(found({"seeds", "--text"}), std::vector<std::string>{});
    EXPECT_EQ(found({"Garden", "--comments"}), std::vector<std::string>{});
    EXPECT_EQ(found({"zebra"}), std::vector<std::string>{});
}

TEST_F(CliListSearch, SearchesWithinDaysAndTopics) {
    EXPECT_EQ(found({"budget", "--from", "2026-03-03", "--to", "2026-03-03"}),
              sorted({garden, matters}));
    EXPECT_EQ(found({"budget", "--from", "2026-03-01", "--to", "2026-03-01"}),
              (std::vector{review}));
    EXPECT_EQ(found({"budget", "--to", "2026-03-02"}), sorted({meeting, review}));
    EXPECT_EQ(found({"budget", "--topic", "Alpha", "--topic", "Beta"}), sorted({meeting, garden}));
    EXPECT_EQ(found({"budget", "--topic", "Alpha", "--topic", "Beta", "--all-topics"}),
              (std::vector{meeting}));
    // The hits of the last search are marked in the file, as the Search dialog leaves them.
    EXPECT_EQ(journal.value("SELECT group_concat(EntryID) FROM Entry WHERE SearchTarget = 1"),
              meeting);
}

TEST_F(CliListSearch, ShowsAnEntryByItsIdOrTheStartOfIt) {
    EXPECT_EQ(journal.run("show", {meeting.substr(1, 8)}).out,
              "Meeting about the budget\nNotes follow\n");
    const QbkResult unknown = journal.run("show", {"{00000000-0000-0000-0000-000000000000}"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_EQ(linesOf(unknown.err).size(), 1u);
}

} // namespace
