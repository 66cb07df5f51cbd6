// qbk export, backup and check on journals made with qbk itself.
#include "support/CliJournal.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <fstream>

namespace {

class CliExport : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(journal.create("Trips").exitCode, 0);
        journal.addFolder("{F-WORK}", "Work");
        journal.addTopic("{T-A}", "Alpha");
        first = journal.add("{\\rtf1\\ansi{\\b Firstword} & <b>\\par}", {"--folder", "Work"});
        second = journal.add("Secondword\n", {"--comment", "Typed comment"});
        third = journal.add("Thirdword\n", {"--folder", "Work"});
        journal.setTimeStamp(first, "2026-03-02 09:05");
        journal.setTimeStamp(second, "2026-03-01 10:00");
        journal.setTimeStamp(third, "2026-03-04 23:59");
        journal.link(first, "{T-A}");
    }

    // The words of the three entries that a file holds, in the order it holds them.
    std::vector<std::string> wordsIn(const std::string& text) {
        std::vector<std::pair<size_t, std::string>> found;
        for (const char* word : {"Firstword", "Secondword", "Thirdword"})
            if (const size_t at = text.find(word); at != std::string::npos)
                found.emplace_back(at, word);
        std::sort(found.begin(), found.end());
        std::vector<std::string> words;
        for (const auto& [at, word] : found)
            words.push_back(word);
        return words;
    }

    CliJournal journal;
    std::string first, second, third;
};

using Words = std::vector<std::string>;

} // namespace

TEST_F(CliExport, WritesTheChosenEntriesInDateOrder) {
    struct Case {
        std::vector<std::string> options;
        Words expected;
    };
    const Case cases[] = {
        {{}, {"Secondword", "Firstword", "Thirdword"}},
        {{"--folder", "Work"}, {"Firstword", "Thirdword"}},
        {{"--from", "2026-03-02", "--to", "2026-03-04"}, {"Firstword", "Thirdword"}},
        {{"--to", "2026-03-01"}, {"Secondword"}},
        {{"--topic", "Alpha"}, {"Firstword"}},
        {{"--entry", second.substr(1, 8)}, {"Secondword"}},
    };
    int n = 0;
    for (const Case& c : cases) {
        for (const char* format : {"html", "md", "txt"}) {
            const std::string out = journal.path("out" + std::to_string(n++) + "." + format);
            std::vector<std::string> args = {"--format", format, "--out", out};
            args.insert(args.end(), c.options.begin(), c.options.end());
            const QbkResult result = journal.run("export", args);
            ASSERT_EQ(result.exitCode, 0) << result.err;
            EXPECT_EQ(wordsIn(fileBytes(out)), c.expected) << format;
        }
    }
    // The plain text of the first case carries the journal's title.
    EXPECT_NE(fileBytes(journal.path("out2.txt")).find("Trips\n"), std::string::npos);
}

TEST_F(CliExport, OdtHoldsTheEntriesAsOpenDocumentText) {
    const std::string out = journal.path("journal.odt");
    const QbkResult result = journal.run("export", {"--format", "odt", "--out", out});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    ASSERT_EQ(fileBytes(out).substr(0, 2), "PK");
    // The text as an OpenDocument reader finds it: LibreOffice when present, else the
    // document's content.xml.
    QProcess reader;
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    std::string text;
    if (!soffice.isEmpty()) {
        reader.start(soffice, {QStringLiteral("--headless"), QStringLiteral("--cat"),
                               QString::fromStdString(out)});
    } else {
        reader.start(QStringLiteral("unzip"), {QStringLiteral("-p"), QString::fromStdString(out),
                                               QStringLiteral("content.xml")});
    }
    ASSERT_TRUE(reader.waitForFinished(120000));
    text = reader.readAllStandardOutput().toStdString();
    EXPECT_EQ(wordsIn(text), Words({"Secondword", "Firstword", "Thirdword"})) << text;
}

TEST_F(CliExport, RefusesWhatItCannotDoWithoutWritingAnything) {
    QbkResult result;
#ifndef QBK_PRINTING
    const std::string out = journal.path("x.pdf");
    result = journal.run("export", {"--format", "pdf", "--out", out});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("print layout"), std::string::npos) << result.err;
    EXPECT_FALSE(fileExists(out));
#endif

    EXPECT_EQ(journal
                  .run("export", {"--format", "html", "--out", journal.path("a.html"), "--entry",
                                  first, "--folder", "Work"})
                  .exitCode,
              1);
    EXPECT_EQ(journal.run("export", {"--format", "doc", "--out", journal.path("a.doc")}).exitCode,
              1);
    EXPECT_EQ(journal.run("export", {"--format", "html"}).exitCode, 1);

    // No entry chosen; an existing file kept without --force and replaced with it.
    result = journal.run(
        "export", {"--format", "txt", "--out", journal.path("none.txt"), "--from", "2030-01-01"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_FALSE(fileExists(journal.path("none.txt")));
    const std::string journalBytes = fileBytes(journal.path());
    EXPECT_EQ(journal.run("export", {"--format", "txt", "--out", journal.path()}).exitCode, 2);
    // Not even --force writes over the journal itself.
    const QbkResult itself =
        journal.run("export", {"--format", "txt", "--out", journal.path(), "--force"});
    EXPECT_EQ(itself.exitCode, 2);
    EXPECT_NE(itself.err.find("is the journal itself"), std::string::npos) << itself.err;
    EXPECT_EQ(fileBytes(journal.path()), journalBytes);
    const std::string kept = journal.path("kept.txt");
    ASSERT_EQ(journal.run("export", {"--format", "txt", "--out", kept, "--entry", first}).exitCode,
              0);
    EXPECT_EQ(journal.run("export", {"--format", "txt", "--out", kept}).exitCode, 2);
    EXPECT_EQ(wordsIn(fileBytes(kept)), Words{"Firstword"});
    EXPECT_EQ(journal.run("export", {"--format", "txt", "--out", kept, "--force"}).exitCode, 0);
    EXPECT_EQ(wordsIn(fileBytes(kept)).size(), 3u);
}

// That a copy taken while another program writes is consistent is the backup's own rule,
// checked by its tests; here, that qbk's copy reads like its source.
TEST_F(CliExport, BackupReadsLikeTheSourceAndReplacesOnlyWithForce) {
    const std::string copy = journal.path("copy.qbk");
    ASSERT_EQ(journal.run("backup", {copy}).exitCode, 0);
    const QbkResult source = journal.run("list", {"--tsv"});
    const QbkResult copied = runQbk({"list", copy, "--tsv"});
    EXPECT_EQ(copied.exitCode, 0) << copied.err;
    EXPECT_EQ(copied.out, source.out);
    EXPECT_EQ(runQbk({"show", copy, first}).out, journal.run("show", {first}).out);

    // An existing file is kept unless --force.
    const std::string before = fileBytes(copy);
    journal.exec("DELETE FROM Entry WHERE EntryID = '" + third + "'");
    const QbkResult refused = journal.run("backup", {copy});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.err.find("already exists"), std::string::npos) << refused.err;
    EXPECT_EQ(fileBytes(copy), before);
    EXPECT_EQ(journal.run("backup", {copy, "--force"}).exitCode, 0);
    EXPECT_EQ(rawValue(copy, "SELECT count(*) FROM Entry"), "2");
}

TEST_F(CliExport, CheckReportsProblemsWithItsExitStatus) {
    QbkResult result = journal.run("check");
    EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
    EXPECT_EQ(result.out, "");

    journal.exec("UPDATE Entry SET TimeStamp = 'yesterday' WHERE EntryID = '" + second + "'");
    journal.exec("INSERT INTO Entry2Topic VALUES('" + first + "', '{T-GONE}')");
    result = journal.run("check");
    EXPECT_EQ(result.exitCode, 3);
    const std::vector<std::string> lines = linesOf(result.out);
    ASSERT_EQ(lines.size(), 2u) << result.out;
    EXPECT_EQ(lines[0], "entry " + second + ": time stamp \"yesterday\" does not parse");
    EXPECT_EQ(lines[1], "topic link " + first + " -> {T-GONE}: the topic does not exist");

    // Not a journal at all; a missing file.
    const std::string text = journal.path("notes.qbk");
    std::ofstream(text) << std::string(8192, 'n');
    EXPECT_EQ(runQbk({"check", text}).exitCode, 2);
    EXPECT_EQ(runQbk({"check", journal.path("missing.qbk")}).exitCode, 2);
    EXPECT_FALSE(fileExists(journal.path("missing.qbk")));
}

TEST(CliCheck, ProtectedJournalNeedsItsPassword) {
    CliJournal journal;
    ASSERT_EQ(journal.create("Locked", {}, "pass word").exitCode, 0);
    journal.add("Hidden words\n", {}, "pass word");
    EXPECT_EQ(journal.run("check", {"--password-stdin"}, "pass word\n").exitCode, 0);
    const QbkResult wrong = journal.run("check", {"--password-stdin"}, "nope\n");
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_NE(wrong.err.find("Invalid Password"), std::string::npos) << wrong.err;
}
