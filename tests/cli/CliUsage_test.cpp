// The command line itself: help, and what a wrong command line gets.
#include "support/CliJournal.h"

#include <gtest/gtest.h>

namespace {

TEST(CliUsage, HelpForTheToolAndEveryCommand) {
    const QbkResult tool = runQbk({"--help"});
    EXPECT_EQ(tool.exitCode, 0);
    EXPECT_EQ(tool.err, "");
    for (const std::string command : {"info", "list", "search", "show", "create", "add"}) {
        EXPECT_NE(tool.out.find("  " + command + " "), std::string::npos) << command;
        const QbkResult help = runQbk({command, "--help"});
        EXPECT_EQ(help.exitCode, 0) << command;
        EXPECT_EQ(help.out.rfind("Usage: qbk " + command + " ", 0), 0u) << help.out;
        EXPECT_EQ(help.err, "") << command;
    }
    // Help wins over missing operands, wherever it stands.
    EXPECT_EQ(runQbk({"list", "some.qbk", "-h"}).exitCode, 0);
}

// The help follows the user's language; without a translation for it, English.
TEST(CliUsage, HelpInTheUsersLanguage) {
    const std::vector<std::pair<std::string, std::string>> table = {{"de_DE.UTF-8", "Aufruf: qbk "},
                                                                    {"C.UTF-8", "Usage: qbk "},
                                                                    {"xx_YY.UTF-8", "Usage: qbk "}};
    for (const auto& [language, usage] : table) {
        QbkRunLimits limits;
        limits.language = language;
        const QbkResult help = runQbk({"--help"}, {}, limits);
        EXPECT_EQ(help.exitCode, 0) << language;
        EXPECT_EQ(help.out.rfind(usage, 0), 0u) << language << ": " << help.out;
        EXPECT_EQ(runQbk({"list", "--help"}, {}, limits).out.rfind(usage + "list", 0), 0u)
            << language;
    }
}

// Every command's exit statuses: 1 for a mistake on the command line or a choice that names
// nothing (or two things) in the journal, 2 for a file that cannot be read or written, 3 for
// problems found; a failure is one line on standard error, a success none.
TEST(CliUsage, ExitStatusOfEveryCommand) {
    CliJournal journal;
    ASSERT_EQ(journal.run("create", {"--title", "J"}).exitCode, 0);
    const std::string id = journal.add("Text\n");
    journal.exec("INSERT INTO Folder VALUES ('{A}', '{Root}', 'Twin'), ('{B}', '{Root}', 'Twin')");
    const std::string j = journal.path(), none = journal.path("none.qbk"), out = journal.path("o");
    const std::vector<std::pair<std::vector<std::string>, int>> table = {
        {{}, 1},
        {{"frobnicate", j}, 1},
        {{"info", j}, 0},
        {{"info", j, "--password", "secret"}, 1}, // a password never stands on the command line
        {{"info", j, "--password-stdin=secret"}, 1},
        {{"info", none}, 2},
        {{"list", j, "--bogus"}, 1},
        {{"list"}, 1},
        {{"list", j, "extra"}, 1},
        {{"list", j, "--folder"}, 1},
        {{"list", j, "--tsv=yes"}, 1},
        {{"list", j, "--folder", "Twin"}, 1},
        {{"list", j, "--topic", "Gamma"}, 1},
        {{"list", j, "--from", "2026-03-04", "--to", "2026-03-01"}, 1},
        {{"search", j, "x", "--from", "2026-13-01"}, 1},
        {{"search", j, "x", "--from", "2026-03-02", "--to", "2026-03-01"}, 1},
        {{"search", none, "x"}, 2},
        {{"show", j}, 1},
        {{"show", j, "{00000000-0000-0000-0000-000000000000}"}, 1},
        {{"show", j, id}, 0},
        {{"create", j, "--title", "Again"}, 2},
        {{"add", j, "--folder", "A", "--folder", "B"}, 1},
        {{"add", j, "--folder", "Nowhere"}, 1},
        {{"add", none}, 2},
        {{"print", j, "--pdf", out + ".pdf", "--from", "2030-01-01"}, 1},
        {{"print", j, "--pdf", journal.path("no/such/o.pdf")}, 2},
        {{"export", j, "--format", "doc", "--out", out}, 1},
        {{"export", j, "--format", "txt", "--out", out, "--folder", "{A}"}, 1},
        {{"export", none, "--format", "txt", "--out", out}, 2},
        {{"backup", j}, 1},
        {{"backup", none, out}, 2},
        {{"check", j}, 0},
        {{"folders", j}, 0},
        {{"topics", j, "x"}, 1},
        {{"topics", none}, 2},
    };
    for (const auto& [args, status] : table) {
        SCOPED_TRACE(::testing::PrintToString(args));
        const QbkResult result = runQbk(args, "text\n");
        EXPECT_EQ(result.exitCode, status) << result.err;
        EXPECT_TRUE(args.empty() || linesOf(result.err).size() == (status == 0 ? 0u : 1u))
            << result.err;
    }
    journal.exec("UPDATE Entry SET TimeStamp = 'soon'");
    EXPECT_EQ(journal.run("check").exitCode, 3);
    // Options may stand before or after the file.
    EXPECT_EQ(linesOf(runQbk({"info", "--tsv", journal.path()}).out).at(0), "title\tJ");
}

} // namespace
