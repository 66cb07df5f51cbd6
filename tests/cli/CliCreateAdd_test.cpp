// Creating journals and adding entries, checked through qbk and in the file itself.
#include "support/CliJournal.h"

#include <gtest/gtest.h>

namespace {

// The values come back; an existing file is never replaced; a refused command line makes none.
TEST(CliCreate, CreatedJournalReopensWithItsValuesAndNothingIsReplaced) {
    CliJournal journal;
    const QbkResult created = journal.run("create", {"--title", "Café ☕ notes", "--owner", "Ann"});
    EXPECT_EQ(created.exitCode, 0);
    EXPECT_EQ(created.err, ""); // success is silent

    EXPECT_EQ(journal.run("info", {"--tsv"}).out,
              "title\tCafé ☕ notes\nowner\tAnn\nrevision\t3\npassword\tno\n"
              "folders\t0\ntopics\t0\nentries\t0\n");
    EXPECT_EQ(journal.value("SELECT HasPassword || PromptForComment || ShowFirstLine FROM Config"),
              "010");

    const std::string bytes = fileBytes(journal.path());
    EXPECT_THAT(journal.run("create", {"--title", "Second"}), ExitsWith(2, "already exists."));
    EXPECT_EQ(fileBytes(journal.path()), bytes);

    const std::string other = journal.path("other.qbk");
    EXPECT_EQ(runQbk({"create", other}).exitCode, 1);
    EXPECT_EQ(runQbk({"create", other, "--title", " "}).exitCode, 1);
    EXPECT_EQ(runQbk({"create", other, "--title", std::string(101, 'x')}).exitCode, 1);
    EXPECT_EQ(runQbk({"create", other, "--title", "T", "--password-stdin"}, "\n").exitCode, 2);
    EXPECT_FALSE(fileExists(other));
}

class CliAdd : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(journal.run("create", {"--title", "Diary"}).exitCode, 0);
        journal.exec("INSERT INTO Folder (FolderID, ParentID, Name) VALUES ('{F-1}', '{Root}', "
                     "'Work''s')");
    }

    std::string show(const std::string& id, const std::string& option = "--rtf") {
        return journal.run("show", option.empty() ? std::vector{id} : std::vector{id, option}).out;
    }
    std::string userComment(const std::string& id) {
        return journal.value("SELECT UserComment FROM Entry WHERE EntryID = '" + id + "'");
    }
    // The description column of the listing's last line: the entry added last.
    std::string listedDescription() {
        const std::vector<std::string> lines = linesOf(journal.run("list", {"--tsv"}).out);
        return lines.empty() ? "<none listed>" : tabFields(lines.back()).at(3);
    }

    CliJournal journal;
};

TEST_F(CliAdd, PlainTextBecomesParagraphsInTheDefaultFont) {
    const std::string text =
        "First line, caf\xc3\xa9 \xe2\x82\xac\n\tIndented\n\nLast \xe2\x98\x95\n";
    const std::string id = journal.add(text);
    ASSERT_EQ(id.size(), 38u);
    EXPECT_EQ(show(id, ""), text);
    const std::string rtf = show(id);
    EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
    EXPECT_NE(rtf.find("Times New Roman;"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\fs24"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("caf\\'e9 \\'80"), std::string::npos) << rtf; // 7-bit, code page 1252

    // No comment given: the prompt is declined, the description derived and hidden.
    EXPECT_EQ(
        journal.value("SELECT UserComment || FolderID || PromptForComment FROM Entry, Config"),
        "0{Root}1");
    EXPECT_EQ(listedDescription(), "");
    journal.exec("UPDATE Config SET ShowFirstLine = 1");
    EXPECT_EQ(listedDescription(), "First line, café €  Indented  Last ☕");
}

// A typed comment is the user's (one line, tab folded) whether or not the journal prompts; the
// journal keeps prompting.
TEST_F(CliAdd, CommentIsStoredAsTheUsersWhetherOrNotTheJournalPrompts) {
    for (const char* prompt : {"0", "1"}) {
        journal.exec(std::string("UPDATE Config SET PromptForComment = ") + prompt);
        const std::string id = journal.add("Text\n", {"--comment", "Typed\tby me"});
        EXPECT_EQ(userComment(id), "1") << prompt;
        EXPECT_EQ(listedDescription(), "Typed by me") << prompt;
    }
    EXPECT_EQ(journal.value("SELECT PromptForComment FROM Config"), "1");
    EXPECT_EQ(userComment(journal.add("Derived\n", {"--comment", ""})), "0");
}

TEST_F(CliAdd, RtfIsStoredAsGivenInTheNamedFolder) {
    const std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Half{\\b bold} word\\par}";
    const std::string id = journal.add(rtf, {"--folder", "Work's"});
    EXPECT_EQ(show(id), rtf + "\n");
    EXPECT_EQ(show(id, ""), "Halfbold word\n");
    EXPECT_EQ(journal.value("SELECT FolderID FROM Entry WHERE EntryID = '" + id + "'"), "{F-1}");
}

TEST_F(CliAdd, RefusedInputAddsNothing) {
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{"--folder", "Play"}, "text\n"},
        {{}, "bad \xff\xfe bytes\n"},
        {{"--comment", std::string(101, 'c')}, "text\n"},
        {{}, "{\\rtf1 broken"},
        {{}, "{\\rtf1 a}}"},
        {{}, " \n\n"},
    };
    for (const auto& [options, input] : refused)
        EXPECT_EQ(journal.run("add", options, input).exitCode, 1) << input;
    EXPECT_EQ(journal.value("SELECT count(*) FROM Entry"), "0");
    EXPECT_EQ(journal.run("add", {"--allow-empty"}, "").exitCode, 0);
}

TEST_F(CliAdd, OneCtrlDOnATerminalEndsTheText) {
    QbkRunLimits terminal;
    terminal.typedOnTerminal = true;
    const QbkResult typed = journal.run("add", {}, "Typed by hand\n\x04", terminal);
    ASSERT_EQ(typed.exitCode, 0) << typed.err; // -1: it waited for a second Ctrl-D
    EXPECT_EQ(show(linesOf(typed.out).at(0), ""), "Typed by hand\n");
}

} // namespace
