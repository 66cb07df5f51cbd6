// Journals that cannot be opened: each refusal has its own message and leaves the file alone.
#include "support/CliJournal.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

void expectRefused(const std::string& path, const std::string& message,
                   const std::string& command = "info") {
    const QbkResult result = runQbk({command, path, "--password-stdin"}, "whatever\n");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "qbk: " + path + ": " + message + "\n");
}

// A missing file is not created; a file that is no journal, or a journal of a newer revision,
// is left unchanged; the message's line break is folded into one line of stderr.
TEST(CliOpen, RefusalsLeaveTheFileAsItWas) {
    CliJournal journal;
    ASSERT_EQ(journal.run("create", {"--title", "Future"}).exitCode, 0);
    journal.exec("UPDATE Config SET SchemaRevision = 4");
    std::ofstream(journal.path("notes.qbk")) << "just some text\n";
    const struct {
        std::string path;
        const char* message;
    } cases[] = {
        {journal.path("absent.qbk"), "the file does not exist"},
        {journal.path("notes.qbk"), "The file you are trying to open doesn't appear to be a "
                                    "journal file or it is corrupted."},
        {journal.path(), "The Journal you are trying to open requires a newer version Quillbook."},
    };
    for (const auto& c : cases) {
        const std::string before = fileExists(c.path) ? fileBytes(c.path) : "<none>";
        expectRefused(c.path, c.message);
        EXPECT_EQ(fileExists(c.path) ? fileBytes(c.path) : "<none>", before);
    }
}

TEST(CliOpen, ProtectedJournalNeedsItsPassword) {
    CliJournal journal;
    ASSERT_EQ(
        journal.run("create", {"--title", "Locked", "--password-stdin"}, "s3cret é\n").exitCode, 0);
    expectRefused(journal.path(), "Invalid Password");

    // No terminal to ask on and no --password-stdin: said so, not an "unknown error".
    EXPECT_THAT(runQbk({"info", journal.path()}), ExitsWith(2, "--password-stdin"));

    const std::string info =
        journal.run("info", {"--tsv", "--password-stdin"}, "s3cret é\nignored\n").out;
    EXPECT_EQ(linesOf(info).at(3), "password\tyes");

    // The entry's text follows the password line; it is stored enciphered, never in clear.
    const std::string id = journal.add("s3cret é\nSecret text\n", {"--password-stdin"});
    EXPECT_EQ(journal.run("show", {id, "--password-stdin"}, "s3cret é\n").out, "Secret text\n");
    EXPECT_EQ(fileBytes(journal.path()).find("Secret text"), std::string::npos);
    EXPECT_EQ(journal.run("add", {"--password-stdin"}, "wrong\nNot stored\n").exitCode, 2);
    EXPECT_EQ(journal.value("SELECT count(*) FROM Entry"), "1");

    // qbk check reads the password in its own code.
    EXPECT_EQ(journal.run("check", {"--password-stdin"}, "s3cret é\n").exitCode, 0);
    expectRefused(journal.path(), "Invalid Password", "check");
}

} // namespace
