// The commands that read a journal (list, search, show, export, backup, check) on one journal
// of four entries in folders, with topics and fixed dates.
#include "support/CliJournal.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>

namespace {

using Ids = std::set<std::string>;

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

    // The ids the command lists.
    Ids ids(const std::string& command, std::vector<std::string> args) {
        args.push_back("--tsv");
        const QbkResult result = journal.run(command, args);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        Ids listed;
        for (const std::string& line : linesOf(result.out))
            listed.insert(tabFields(line).at(0));
        return listed;
    }

    CliJournal journal;
    std::string meeting, garden, review, matters;
};

using CliExport = CliListSearch;
using Words = std::vector<std::string>;

// The words of the four entries that a file holds, in the order it holds them.
Words wordsIn(const std::string& text) {
    std::map<size_t, std::string> found;
    for (const char* word : {"review", "Meeting", "Garden", "budgetary"})
        if (const size_t at = text.find(word); at != std::string::npos)
            found[at] = word;
    Words words;
    for (const auto& [at, word] : found)
        words.push_back(word);
    return words;
}

// The file's text; an ODT's as an OpenDocument reader finds it: LibreOffice when present, else
// the document's content.xml.
std::string textOf(const std::string& path) {
    if (!path.ends_with(".odt"))
        return fileBytes(path);
    const QString file = QString::fromStdString(path);
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    QProcess reader;
    if (soffice.isEmpty())
        reader.start(QStringLiteral("unzip"),
                     {QStringLiteral("-p"), file, QStringLiteral("content.xml")});
    else
        reader.start(soffice, {QStringLiteral("--headless"), QStringLiteral("--cat"), file});
    EXPECT_TRUE(reader.waitForFinished(120000)) << path;
    return reader.readAllStandardOutput().toStdString();
}

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

TEST_F(CliListSearch, ListsAndSearchesWithTheirOptions) {
    const struct {
        const char* command;
        std::vector<std::string> args;
        Ids expected;
    } cases[] = {
        {"list", {"--folder", "Work"}, {meeting, matters}},
        {"list", {"--topic", "Alpha"}, {meeting, garden}},
        {"list", {"--topic", "Alpha", "--topic", "Beta"}, {meeting}},
        {"list", {"--topic", "Beta", "--folder", "Home"}, {}},
        {"list", {"--folder", "{F-DUP2}"}, {}},
        {"search", {"budget"}, {meeting, garden, review, matters}},
        {"search", {"Budget", "--case"}, {garden, review}},
        {"search", {"budget", "--word"}, {meeting, garden, review}},
        {"search", {"seeds", "--comments"}, {garden}},
        {"search", {"seeds", "--text"}, {}},
        {"search", {"Garden", "--comments"}, {}},
        {"search", {"budget", "--from", "2026-03-01", "--to", "2026-03-01"}, {review}},
        {"search", {"budget", "--to", "2026-03-02"}, {meeting, review}},
        {"search", {"budget", "--topic", "Alpha", "--topic", "Beta"}, {meeting, garden}},
        {"search", {"budget", "--topic", "Alpha", "--topic", "Beta", "--all-topics"}, {meeting}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ids(c.command, c.args), c.expected)
            << c.command << " " << ::testing::PrintToString(c.args);
    // The hits of the last search are marked in the file, as the Search dialog leaves them.
    EXPECT_EQ(journal.value("SELECT group_concat(EntryID) FROM Entry WHERE SearchTarget = 1"),
              meeting);

    const QbkResult twin = journal.run("list", {"--folder", "Twin"});
    EXPECT_EQ(twin.exitCode, 2);
    EXPECT_NE(twin.err.find("more than one folder"), std::string::npos) << twin.err;
    EXPECT_EQ(journal.run("list", {"--topic", "Gamma"}).exitCode, 2);
}

TEST_F(CliListSearch, ShowsAnEntryByItsIdOrTheStartOfIt) {
    EXPECT_EQ(journal.run("show", {meeting.substr(1, 8)}).out,
              "Meeting about the budget\nNotes follow\n");
    const QbkResult unknown = journal.run("show", {"{00000000-0000-0000-0000-000000000000}"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_EQ(linesOf(unknown.err).size(), 1u);
}

} // namespace

TEST_F(CliExport, WritesTheChosenEntriesInDateOrder) {
    struct Case {
        std::vector<std::string> options;
        Words expected;
    };
    const Case cases[] = {
        {{}, {"review", "Meeting", "Garden", "budgetary"}},
        {{"--folder", "Work"}, {"Meeting", "budgetary"}},
        {{"--from", "2026-03-02", "--to", "2026-03-03"}, {"Meeting", "Garden", "budgetary"}},
        {{"--to", "2026-03-01"}, {"review"}},
        {{"--topic", "Alpha"}, {"Meeting", "Garden"}},
        {{"--entry", garden.substr(1, 8)}, {"Garden"}},
    };
    int n = 0;
    for (const Case& c : cases) {
        for (const char* format : {"html", "md", "txt", "odt"}) {
            const std::string out = journal.path("out" + std::to_string(n++) + "." + format);
            std::vector<std::string> args = {"--format", format, "--out", out};
            args.insert(args.end(), c.options.begin(), c.options.end());
            const QbkResult result = journal.run("export", args);
            ASSERT_EQ(result.exitCode, 0) << result.err;
            EXPECT_EQ(wordsIn(textOf(out)), c.expected) << format;
        }
    }
    // The plain text of the first case carries the journal's title.
    EXPECT_NE(fileBytes(journal.path("out2.txt")).find("Trips\n"), std::string::npos);
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

    const std::vector<std::string> wrong[] = {
        {"--format", "html", "--out", journal.path("a"), "--entry", meeting, "--folder", "Work"},
        {"--format", "doc", "--out", journal.path("a.doc")},
        {"--format", "html"},
    };
    for (const std::vector<std::string>& args : wrong)
        EXPECT_EQ(journal.run("export", args).exitCode, 1) << ::testing::PrintToString(args);

    // No entry chosen: nothing written. Not even --force writes over the journal itself.
    result = journal.run(
        "export", {"--format", "txt", "--out", journal.path("none.txt"), "--from", "2030-01-01"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_FALSE(fileExists(journal.path("none.txt")));
    const std::string journalBytes = fileBytes(journal.path());
    const QbkResult itself =
        journal.run("export", {"--format", "txt", "--out", journal.path(), "--force"});
    EXPECT_EQ(itself.exitCode, 2);
    EXPECT_NE(itself.err.find("is the journal itself"), std::string::npos) << itself.err;
    EXPECT_EQ(fileBytes(journal.path()), journalBytes);
    // An existing file is kept without --force and replaced with it.
    const std::string kept = journal.path("kept.txt");
    std::ofstream(kept) << "keep me";
    EXPECT_EQ(journal.run("export", {"--format", "txt", "--out", kept}).exitCode, 2);
    EXPECT_EQ(fileBytes(kept), "keep me");
    EXPECT_EQ(journal.run("export", {"--format", "txt", "--out", kept, "--force"}).exitCode, 0);
    EXPECT_EQ(wordsIn(fileBytes(kept)).size(), 4u);
}

// That a copy taken while another program writes is consistent is the backup's own rule,
// checked by its tests; here, that qbk's copy reads like its source.
TEST_F(CliExport, BackupReadsLikeTheSourceAndReplacesOnlyWithForce) {
    const std::string copy = journal.path("copy.qbk");
    ASSERT_EQ(journal.run("backup", {copy}).exitCode, 0);
    EXPECT_EQ(runQbk({"list", copy, "--tsv"}).out, journal.run("list", {"--tsv"}).out);
    EXPECT_EQ(runQbk({"show", copy, meeting}).out, journal.run("show", {meeting}).out);

    // An existing file is kept unless --force.
    const std::string before = fileBytes(copy);
    journal.exec("DELETE FROM Entry WHERE EntryID = '" + matters + "'");
    const QbkResult refused = journal.run("backup", {copy});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.err.find("already exists"), std::string::npos) << refused.err;
    EXPECT_EQ(fileBytes(copy), before);
    EXPECT_EQ(journal.run("backup", {copy, "--force"}).exitCode, 0);
    EXPECT_EQ(rawValue(copy, "SELECT count(*) FROM Entry"), "3");
}

TEST_F(CliExport, CheckReportsProblemsWithItsExitStatus) {
    QbkResult result = journal.run("check");
    EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
    EXPECT_EQ(result.out, "");

    journal.exec("UPDATE Entry SET TimeStamp = 'yesterday' WHERE EntryID = '" + garden + "'");
    journal.exec("INSERT INTO Entry2Topic VALUES('" + meeting + "', '{T-GONE}')");
    result = journal.run("check");
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.out, "entry " + garden + ": time stamp \"yesterday\" does not parse\n" +
                              "topic link " + meeting + " -> {T-GONE}: the topic does not exist\n");

    // Not a journal at all; a missing file.
    const std::string text = journal.path("notes.qbk");
    std::ofstream(text) << std::string(8192, 'n');
    EXPECT_EQ(runQbk({"check", text}).exitCode, 2);
    EXPECT_EQ(runQbk({"check", journal.path("missing.qbk")}).exitCode, 2);
    EXPECT_FALSE(fileExists(journal.path("missing.qbk")));
}
