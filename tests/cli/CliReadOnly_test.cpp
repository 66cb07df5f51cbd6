// What read commands leave alone (the file) and what they go on past (damaged entries).
#include "support/CliJournal.h"

#include <QDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using Args = std::vector<std::string>;

QbkResult run(CliJournal& journal, const Args& args) {
    return journal.run(args.front(), Args(args.begin() + 1, args.end()));
}

// An older journal is read as it is: not brought up to date, not marked, and a file that
// cannot be written is no news.
TEST(CliReadOnly, ReadCommandsLeaveAnOlderJournalByteForByte) {
    CliJournal journal;
    ASSERT_EQ(journal.run("create", {"--title", "Old"}).exitCode, 0);
    const std::string id = journal.add("Some words\n");
    journal.exec("ALTER TABLE Config DROP COLUMN DefaultFontName; ALTER TABLE Config DROP COLUMN "
                 "DefaultFontSize; UPDATE Config SET SchemaRevision = 2");
    const std::string bytes = fileBytes(journal.path());
    for (const bool fileReadOnly : {false, true}) {
        ::chmod(journal.path().c_str(), fileReadOnly ? 0444 : 0644);
        const std::string out = journal.path(fileReadOnly ? "ro" : "rw");
        for (const Args& args : {Args{"info"},
                                 {"list"},
                                 {"show", id},
                                 {"folders"},
                                 {"topics"},
                                 {"search", "words", "--no-marks"},
                                 {"check"},
                                 {"export", "--format", "md", "--out", out + ".md"},
                                 {"print", "--pdf", out + ".pdf"}}) {
            const QbkResult result = run(journal, args);
            EXPECT_EQ(result.exitCode, 0) << args[0];
            EXPECT_EQ(result.err, "") << args[0];
            EXPECT_EQ(fileBytes(journal.path()), bytes) << args[0];
        }
    }
    EXPECT_EQ(linesOf(journal.run("info", {"--tsv"}).out).at(2), "revision\t2");
}

TEST(CliReadOnly, DamagedEntriesAndTopicLinksAreSkippedAndNamed) {
    CliJournal journal;
    ASSERT_EQ(journal.run("create", {"--title", "Hurt"}).exitCode, 0);
    journal.add("Good words\n");
    const std::string bad = journal.add("Bad words\n");
    journal.setTimeStamp(bad, "2026-03-02 09:05");
    journal.exec("UPDATE Entry SET EntryText = 'a' || char(1) WHERE EntryID = '" + bad + "'");
    const std::string split = journal.path("split");
    const struct {
        Args args;
        std::string file; // what it wrote, read back as text
    } cases[] = {
        {{"export", "--format", "txt", "--out", journal.path("all.txt")}, journal.path("all.txt")},
        {{"export", "--format", "txt", "--split", "--out", split}, split},
        {{"search", "words", "--no-marks"}, ""},
        {{"print", "--pdf", journal.path("all.pdf")}, ""},
    };
    for (const auto& c : cases) {
        const QbkResult result = run(journal, c.args);
        EXPECT_THAT(result, ExitsWith(3, "skipped entry " + bad + " (2026-03-02 09:05): its text"));
        std::string file = c.file;
        if (file == split) { // one file: the good entry's
            const QStringList names = QDir(QString::fromStdString(split)).entryList(QDir::Files);
            EXPECT_EQ(names.size(), 1);
            file = split + "/" + names.value(0).toStdString();
        }
        const std::string written = file.empty() ? result.out : fileBytes(file);
        EXPECT_TRUE(file.empty() || written.find("Good words") != std::string::npos) << written;
        EXPECT_EQ(written.find("Bad words"), std::string::npos);
    }

    // Links that cannot be read, or that name nothing, leave topics out: said, not silent.
    journal.exec("INSERT INTO Entry2Topic VALUES ('{gone}', '{gone}')");
    EXPECT_THAT(journal.run("list"), ExitsWith(3, "1 link of an entry to a topic names no entry"));
    journal.exec("DROP TABLE Entry2Topic; CREATE TABLE Entry2Topic (a, b)");
    EXPECT_THAT(journal.run("export", {"--format", "md", "--out", journal.path("t.md")}),
                ExitsWith(3, "the links of entries to topics cannot be read"));
}

} // namespace
