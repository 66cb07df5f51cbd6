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

TEST(CliUsage, WrongCommandLinesExitWithOneLineAndStatusOne) {
    CliJournal journal;
    ASSERT_EQ(journal.run("create", {"--title", "J"}).exitCode, 0);
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"frobnicate", journal.path()},
        {"list", journal.path(), "--bogus"},
        {"list"},
        {"list", journal.path(), "extra"},
        {"show", journal.path()},
        {"search", journal.path(), "x", "--from", "2026-13-01"},
        {"search", journal.path(), "x", "--from", "2026-03-02", "--to", "2026-03-01"},
        {"list", journal.path(), "--folder"},
        {"list", journal.path(), "--tsv=yes"},
        {"add", journal.path(), "--folder", "A", "--folder", "B"},
        // A password is never taken from the command line.
        {"info", journal.path(), "--password", "secret"},
        {"info", journal.path(), "--password-stdin=secret"},
    };
    for (const auto& args : wrong) {
        SCOPED_TRACE(::testing::PrintToString(args));
        const QbkResult result = runQbk(args);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(args.empty() || linesOf(result.err).size() == 1u) << result.err;
    }
    // Options may stand before or after the file.
    EXPECT_EQ(linesOf(runQbk({"info", "--tsv", journal.path()}).out).at(0), "title\tJ");
}

} // namespace
