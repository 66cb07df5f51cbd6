// Creating journals and adding entries, checked through qbk and in the file itself.
#include "support/CliJournal.h"

#include <gtest/gtest.h>

namespace {

TEST(CliCreate, CreatedJournalReopensWithItsValues) {
    CliJournal journal;
    const QbkResult created = journal.create("Café ☕ notes", "Ann");
    EXPECT_EQ(created.exitCode, 0);
    EXPECT_EQ(created.err, "qbk: " + journal.path() + ": Journal Created\n");

    const QbkResult info = journal.run("info", {"--tsv"});
    EXPECT_EQ(info.exitCode, 0) << info.err;
    EXPECT_EQ(info.out, "title\tCafé ☕ notes\nowner\tAnn\nrevision\t3\npassword\tno\n"
                        "folders\t0\ntopics\t0\nentries\t0\n");
    EXPECT_EQ(journal.value("SELECT HasPassword || PromptForComment || ShowFirstLine FROM Config"),
              "010");
}

TEST(CliCreate, RefusesToReplaceAFileOrToStartWithoutItsValues) {
    CliJournal journal;
    ASSERT_EQ(journal.create("First").exitCode, 0);
    const std::string bytes = fileBytes(journal.path());
    const QbkResult again = journal.create("Second");
    EXPECT_EQ(again.exitCode, 2);
    EXPECT_NE(again.err.find("already exists."), std::string::npos) << again.err;
    EXPECT_EQ(fileBytes(journal.path()), bytes);

    const std::string other = journal.path("other.qbk");
    EXPECT_EQ(runQbk({"create", other}).exitCode, 1);
    EXPECT_EQ(runQbk({"create", other, "--title", std::string(101, 'x')}).exitCode, 1);
    EXPECT_EQ(runQbk({"create", other, "--title", "T", "--password-stdin"}, "\n").exitCode, 2);
    EXPECT_FALSE(fileExists(other));
}

class CliAdd : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(journal.create("Diary").exitCode, 0); }

    std::string show(const std::string& id, const std::vector<std::string>& options = {}) {
        std::vector<std::string> args = {id};
        args.insert(args.end(), options.begin(), options.end());
        const QbkResult result = journal.run("show", args);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return result.out;
    }
    // The description column of the entry's line in the listing.
    std::string listedDescription(const std::string& id) {
        for (const std::string& line : linesOf(journal.run("list", {"--tsv"}).out))
            if (tabFields(line).at(0) == id)
                return tabFields(line).at(3);
        ADD_FAILURE() << id << " not listed";
        return {};
    }

    CliJournal journal;
};

TEST_F(CliAdd, PlainTextBecomesParagraphsInTheDefaultFont) {
    const std::string text =
        "First line, caf\xc3\xa9 \xe2\x82\xac\n\tIndented\n\nLast \xe2\x98\x95\n";
    const std::string id = journal.add(text);
    ASSERT_EQ(id.size(), 38u);
    EXPECT_EQ(show(id), text);
    const std::string rtf = show(id, {"--rtf"});
    EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
    EXPECT_NE(rtf.find("Times New Roman;"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\fs24"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("caf\\'e9 \\'80"), std::string::npos) << rtf; // 7-bit, code page 1252

    // No comment given: the prompt is declined, the description derived and hidden.
    EXPECT_EQ(journal.value("SELECT UserComment || FolderID FROM Entry"), "0{Root}");
    EXPECT_EQ(journal.value("SELECT PromptForComment FROM Config"), "1");
    EXPECT_EQ(listedDescription(id), "");
    journal.exec("UPDATE Config SET ShowFirstLine = 1");
    EXPECT_EQ(listedDescription(id), "First line, café €  Indented  Last ☕");
}

TEST_F(CliAdd, CommentIsStoredAsTheUsersWhetherOrNotTheJournalPrompts) {
    const std::string prompted = journal.add("Text\n", {"--comment", "Typed\tby me"});
    EXPECT_EQ(journal.value("SELECT UserComment FROM Entry WHERE EntryID = '" + prompted + "'"),
              "1");
    EXPECT_EQ(listedDescription(prompted), "Typed by me"); // one line, tab folded
    EXPECT_EQ(journal.value("SELECT PromptForComment FROM Config"), "1");

    journal.exec("UPDATE Config SET PromptForComment = 0");
    const std::string unprompted = journal.add("More text\n", {"--comment", "Still mine"});
    EXPECT_EQ(journal.value("SELECT UserComment FROM Entry WHERE EntryID = '" + unprompted + "'"),
              "1");
    EXPECT_EQ(listedDescription(unprompted), "Still mine");

    const std::string empty = journal.add("Derived\n", {"--comment", ""});
    EXPECT_EQ(journal.value("SELECT UserComment FROM Entry WHERE EntryID = '" + empty + "'"), "0");
}

TEST_F(CliAdd, RtfIsStoredAsGivenInTheNamedFolder) {
    journal.addFolder("{F-1}", "Work's");
    const std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Half{\\b bold} word\\par}";
    const std::string id = journal.add(rtf, {"--folder", "Work's"});
    EXPECT_EQ(show(id, {"--rtf"}), rtf + "\n");
    EXPECT_EQ(show(id), "Halfbold word\n");
    EXPECT_EQ(journal.value("SELECT FolderID FROM Entry WHERE EntryID = '" + id + "'"), "{F-1}");
}

TEST_F(CliAdd, RefusedInputAddsNothing) {
    journal.addFolder("{F-1}", "Work");
    EXPECT_EQ(journal.run("add", {"--folder", "Play"}, "text\n").exitCode, 2);
    EXPECT_EQ(journal.run("add", {}, "bad \xff\xfe bytes\n").exitCode, 1);
    EXPECT_EQ(journal.run("add", {"--comment", std::string(101, 'c')}, "text\n").exitCode, 1);
    EXPECT_EQ(journal.value("SELECT count(*) FROM Entry"), "0");
}

TEST(CliAddProtected, TextFollowsThePasswordLine) {
    CliJournal journal;
    ASSERT_EQ(journal.create("Locked", "", "pw").exitCode, 0);
    const std::string id = journal.add("Secret text\n", {}, "pw");
    const QbkResult shown = journal.run("show", {id, "--password-stdin"}, "pw\n");
    EXPECT_EQ(shown.exitCode, 0) << shown.err;
    EXPECT_EQ(shown.out, "Secret text\n");
    // Stored enciphered, never in clear.
    EXPECT_EQ(fileBytes(journal.path()).find("Secret text"), std::string::npos);

    EXPECT_EQ(journal.run("add", {"--password-stdin"}, "wrong\nNot stored\n").exitCode, 2);
    EXPECT_EQ(journal.value("SELECT count(*) FROM Entry"), "1");
}

} // namespace
