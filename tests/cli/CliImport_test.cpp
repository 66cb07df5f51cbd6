// qbk import: the command line over the core import, checked in the journal file.
#include "support/CliJournal.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

void writeFile(const std::string& path, const std::string& text) {
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.data(), qint64(text.size()));
}

// A dry run writes nothing; the import takes the good files, names the bad one and exits 3.
TEST(CliImport, MarkdownFolderWithOneBadFile) {
    CliJournal journal;
    ASSERT_EQ(journal.run("create", {"--title", "Diary"}).exitCode, 0);
    const std::string folder = journal.path("notes");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder + "/Trips")));
    writeFile(folder + "/2024-03-05.md", "**Hello**");
    writeFile(folder + "/Trips/2024-04-01 Alps.md", "---\ntags: hike\n---\nUp");
    writeFile(folder + "/bad.md", "---\n- a\n---\nx");

    const QbkResult dry = journal.run("import", {"--from", "markdown", folder, "--dry-run"});
    EXPECT_EQ(dry.out, "2 entries from 2024-03-05 to 2024-04-01; 1 files cannot be read\n");
    EXPECT_EQ(journal.value("SELECT count(*) FROM Entry"), "0");

    const QbkResult done = journal.run("import", {"--from", "md", folder, "--topics-from-tags"});
    EXPECT_THAT(done, ExitsWith(3, "bad.md: its front matter is not a list"));
    EXPECT_EQ(done.out, "2 entries imported, 0 skipped, 1 files could not be read\n");
    EXPECT_EQ(journal.value("SELECT group_concat(TimeStamp || ' ' || (FolderID = '{Root}'), ',') "
                            "FROM (SELECT * FROM Entry ORDER BY TimeStamp)"),
              "2024-03-05 12:00 1,2024-04-01 12:00 0");
    EXPECT_EQ(journal.value("SELECT Name FROM Topic"), "hike");
}

// Another protected journal: its password is the second line; a second import adds nothing.
TEST(CliImport, OtherJournalTwiceAddsNothing) {
    CliJournal journal;
    ASSERT_EQ(journal.run("create", {"--title", "Mine"}).exitCode, 0);
    const std::string other = journal.path("other.qbk");
    ASSERT_EQ(runQbk({"create", other, "--title", "Theirs", "--password-stdin"}, "pw\n").exitCode,
              0);
    ASSERT_EQ(runQbk({"add", other, "--password-stdin"}, "pw\nhello\n").exitCode, 0);

    const std::vector<std::string> line = {"--from", "quillbook", other, "--password-stdin"};
    EXPECT_EQ(journal.run("import", line, "\npw\n").out,
              "1 entries imported, 0 skipped, 0 files could not be read\n");
    EXPECT_EQ(journal.run("import", line, "\npw\n").out,
              "0 entries imported, 1 skipped, 0 files could not be read\n");
    EXPECT_EQ(journal.run("import", line, "\nwrong\n").exitCode, 2);
    EXPECT_EQ(journal.value("SELECT count(*) FROM Entry"), "1");
}

} // namespace
