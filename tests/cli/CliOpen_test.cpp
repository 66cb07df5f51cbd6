// Journals that cannot be opened: each refusal has its own message and leaves the file alone.
#include "support/CliJournal.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

void expectRefused(const std::string& path, const std::string& message) {
    const QbkResult result = runQbk({"info", path, "--password-stdin"}, "whatever\n");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "qbk: " + path + ": " + message + "\n");
}

TEST(CliOpen, MissingFileIsReportedAndNotCreated) {
    CliJournal folder;
    const std::string path = folder.path("absent.qbk");
    expectRefused(path, "The Journal file you are trying to open no longer exists.");
    EXPECT_FALSE(fileExists(path));
}

TEST(CliOpen, FilesThatAreNotJournalsAreRefusedUnchanged) {
    CliJournal folder;
    const std::string text = folder.path("notes.qbk");
    std::ofstream(text) << "just some text\n";
    const std::string bytes = fileBytes(text);
    const char* notAJournal =
        "The file you are trying to open doesn't appear to be a journal file or it is corrupted.";
    expectRefused(text, notAJournal);
    EXPECT_EQ(fileBytes(text), bytes);
}

TEST(CliOpen, NewerRevisionIsRefusedOnOneLine) {
    CliJournal journal;
    ASSERT_EQ(journal.create("Future").exitCode, 0);
    journal.exec("UPDATE Config SET SchemaRevision = 4");
    // The message's line break is folded into one line of stderr.
    expectRefused(journal.path(),
                  "The Journal you are trying to open requires a newer version Quillbook.");
}

TEST(CliOpen, ProtectedJournalNeedsItsPassword) {
    CliJournal journal;
    ASSERT_EQ(journal.create("Locked", "", "s3cret é").exitCode, 0);
    EXPECT_EQ(journal.value("SELECT HasPassword FROM Config"), "1");

    expectRefused(journal.path(), "Invalid Password");

    // No terminal to ask on and no --password-stdin: said so, not an "unknown error".
    const QbkResult noSource = runQbk({"info", journal.path()});
    EXPECT_EQ(noSource.exitCode, 2);
    EXPECT_NE(noSource.err.find("--password-stdin"), std::string::npos) << noSource.err;

    const QbkResult right =
        runQbk({"info", journal.path(), "--tsv", "--password-stdin"}, "s3cret é\nignored\n");
    EXPECT_EQ(right.exitCode, 0) << right.err;
    EXPECT_EQ(linesOf(right.out).at(3), "password\tyes");
}

} // namespace
