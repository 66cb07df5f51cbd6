// The commands that read a journal (list, search, show, export, backup, check, print) on one
// journal of four entries in folders, with topics and fixed dates.
#include "support/CliJournal.h"
#include "support/PdfText.h"

#include <QDir>
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
        ASSERT_EQ(journal.run("create", {"--title", "Trips"}).exitCode, 0);
        journal.exec(
            "INSERT INTO Folder (FolderID, ParentID, Name) VALUES ('{F-WORK}', '{Root}', "
            "'Work'), ('{F-HOME}', '{Root}', 'Home'), ('{F-DUP1}', '{Root}', 'Twin'), "
            "('{F-DUP2}', '{Root}', 'Twin');"
            "INSERT INTO Topic (TopicID, Name) VALUES ('{T-A}', 'Alpha'), ('{T-B}', 'Beta')");
        meeting = journal.add("Meeting about the budget\nNotes follow\n", {"--folder", "Work"});
        garden = journal.add("Garden planting day\n",
                             {"--folder", "Home", "--comment", "Budget for seeds"});
        review = journal.add("{\\rtf1\\ansi{\\b Bud}get review\\par}");
        matters = journal.add("budgetary matters\n", {"--folder", "Work"});
        journal.setTimeStamp(meeting, "2026-03-02 09:05");
        journal.setTimeStamp(garden, "2026-03-03 18:30");
        journal.setTimeStamp(review, "2026-03-01 00:00");
        journal.setTimeStamp(matters, "2026-03-03 23:59");
        journal.exec("INSERT INTO Entry2Topic VALUES ('" + meeting + "', '{T-A}'), ('" + meeting +
                     "', '{T-B}'), ('" + garden + "', '{T-A}')");
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

TEST_F(CliListSearch, ListsEveryEntryByDateWithItsColumnsAndShowsOneByItsId) {
    const QbkResult result = journal.run("list", {"--tsv"});
    EXPECT_EQ(result.out, review + "\t2026-03-01T00:00:00\t(None)\t\t\n" + meeting +
                              "\t2026-03-02T09:05:00\tWork\t\tAlpha\x1f" + "Beta\n" + garden +
                              "\t2026-03-03T18:30:00\tHome\tBudget for seeds\tAlpha\n" + matters +
                              "\t2026-03-03T23:59:00\tWork\t\t\n")
        << result.err;
    EXPECT_EQ(journal.run("show", {meeting.substr(1, 8)}).out,
              "Meeting about the budget\nNotes follow\n");

    // The plain form lines the columns up.
    const std::vector<std::string> plain = linesOf(journal.run("list").out);
    ASSERT_EQ(plain.size(), 4u);
    EXPECT_NE(plain[1].find("Monday, March 2 2026 09:05 AM"), std::string::npos);
    EXPECT_NE(plain[1].find("Alpha, Beta"), std::string::npos);
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
        {"list", {"--topic", "Alpha", "--topic", "Beta", "--all-topics"}, {meeting}},
        {"list", {"--from", "2026-03-03", "--topic", "Beta", "--topic", "Alpha"}, {garden}},
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

    EXPECT_THAT(journal.run("list", {"--folder", "Twin"}), ExitsWith(1, "more than one folder"));
}

// The ids other commands take where names clash, with paths and counts.
TEST_F(CliListSearch, ListsFoldersAndTopicsWithTheirIds) {
    journal.exec("INSERT INTO Folder VALUES ('{F-SUB}', '{F-WORK}', 'Plans, 2026')");
    EXPECT_EQ(journal.run("folders", {"--tsv"}).out,
              "{F-WORK}\tWork\tWork\t2\n{F-SUB}\tPlans, 2026\tWork\x1f"
              "Plans, 2026\t0\n"
              "{F-HOME}\tHome\tHome\t1\n{F-DUP1}\tTwin\tTwin\t0\n{F-DUP2}\tTwin\tTwin\t0\n");
    EXPECT_NE(journal.run("folders").out.find("Work/Plans, 2026"), std::string::npos);
    EXPECT_EQ(journal.run("topics", {"--tsv"}).out, "{T-A}\tAlpha\t2\n{T-B}\tBeta\t1\n");
}

} // namespace

TEST_F(CliExport, WritesTheChosenEntriesInDateOrder) {
    const struct {
        std::vector<std::string> options;
        Words expected;
    } cases[] = {
        {{}, {"review", "Meeting", "Garden", "budgetary"}},
        {{"--folder", "Work"}, {"Meeting", "budgetary"}},
        {{"--from", "2026-03-02", "--to", "2026-03-03"}, {"Meeting", "Garden", "budgetary"}},
        {{"--to", "2026-03-01"}, {"review"}},
        {{"--topic", "Alpha"}, {"Meeting", "Garden"}},
        {{"--entry", garden.substr(1, 8)}, {"Garden"}},
    };
    int n = 0;
    for (const auto& c : cases) {
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

// Markdown's pictures are files beside the document; --embed keeps them inside as data URLs.
TEST_F(CliExport, MarkdownPicturesBesideTheFileOrEmbedded) {
    const std::string id =
        journal.add("{\\rtf1 {\\pict\\pngblip\\picw1\\pich1 89504e470d0a1a0a}\\par}");
    for (const std::string name : {"p", "e"}) {
        std::vector<std::string> args = {
            "--format", "md", "--out", journal.path(name + ".md"), "--entry", id.substr(1, 8)};
        if (name == "e")
            args.push_back("--embed");
        ASSERT_EQ(journal.run("export", args).exitCode, 0);
        const bool embedded =
            fileBytes(journal.path(name + ".md")).find("(data:image/png;base64,") !=
            std::string::npos;
        EXPECT_EQ(embedded, name == "e");
        EXPECT_EQ(fileExists(journal.path(name + "_files/1.png")), name == "p");
    }
}

TEST_F(CliExport, RefusesWhatItCannotDoWithoutWritingAnything) {
    const std::vector<std::string> wrong[] = {
        {"--format", "html", "--out", journal.path("a"), "--entry", meeting, "--folder", "Work"},
        {"--format", "doc", "--out", journal.path("a.doc")},
        {"--format", "html"},
    };
    for (const std::vector<std::string>& args : wrong)
        EXPECT_EQ(journal.run("export", args).exitCode, 1) << ::testing::PrintToString(args);

    // No entry chosen: nothing written. (What an export may write over: CliOutput.)
    EXPECT_THAT(journal.run("export", {"--format", "txt", "--out", journal.path("none.txt"),
                                       "--from", "2030-01-01"}),
                ExitsWith(1, "no entry matches"));
    EXPECT_FALSE(fileExists(journal.path("none.txt")));
}

// That a copy taken while another program writes is consistent is the backup's own rule,
// checked by its tests; here, that qbk's copy reads like its source.
TEST_F(CliExport, BackupReadsLikeTheSourceAndForceReplacesIt) {
    const std::string copy = journal.path("copy.qbk");
    ASSERT_EQ(journal.run("backup", {copy}).exitCode, 0);
    EXPECT_EQ(runQbk({"list", copy, "--tsv"}).out, journal.run("list", {"--tsv"}).out);
    EXPECT_EQ(runQbk({"show", copy, meeting}).out, journal.run("show", {meeting}).out);

    journal.exec("DELETE FROM Entry WHERE EntryID = '" + matters + "'");
    EXPECT_EQ(journal.run("backup", {copy, "--force"}).exitCode, 0);
    EXPECT_EQ(rawValue(copy, "SELECT count(*) FROM Entry"), "3");
}

TEST_F(CliExport, CheckReportsProblemsWithItsExitStatus) {
    QbkResult result = journal.run("check");
    EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
    EXPECT_EQ(result.out, "");

    // Deleting an entry leaves its links: a note, and the journal is sound.
    journal.exec("INSERT INTO Entry2Topic VALUES('" + matters + "', '{T-A}')");
    journal.exec("DELETE FROM Entry WHERE EntryID = '" + matters + "'");
    const std::string note = "note: topic links left by deleted entries, harmless: 1\n";
    result = journal.run("check");
    EXPECT_EQ(std::to_string(result.exitCode) + result.out, "0" + note);

    journal.exec("UPDATE Entry SET TimeStamp = 'yesterday' WHERE EntryID = '" + garden + "'");
    journal.exec("INSERT INTO Entry2Topic VALUES('" + meeting + "', '{T-GONE}')");
    result = journal.run("check");
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.out, "entry " + garden + ": time stamp \"yesterday\" does not parse\n" +
                              "topic link " + meeting + " -> {T-GONE}: the topic does not exist\n" +
                              note);

    // Not a journal at all; a missing file.
    const std::string text = journal.path("notes.qbk");
    std::ofstream(text) << std::string(8192, 'n');
    EXPECT_EQ(runQbk({"check", text}).exitCode, 2);
    EXPECT_EQ(runQbk({"check", journal.path("missing.qbk")}).exitCode, 2);
    EXPECT_FALSE(fileExists(journal.path("missing.qbk")));
}

// qbk print and qbk export --format pdf, read back by pdftotext; an entry of more than a page is
// added last.
using Texts = std::vector<std::string>;

constexpr double kPointsTolerance = 3.0;
const std::string kMatters = "Tuesday, March 3 2026 11:59 PM budgetary matters";

class CliPrint : public CliListSearch {
protected:
    void SetUp() override {
        CliListSearch::SetUp();
        std::string lines;
        for (int i = 1; i <= 90; ++i)
            lines += "longline" + std::to_string(i) + "\n";
        journal.setTimeStamp(journal.add(lines), "2026-03-04 08:00");
    }

    std::vector<PdfPage> print(std::vector<std::string> args) {
        args.insert(args.begin(), {"--pdf", pdf, "--force"}); // the same file, print after print
        const QbkResult result = journal.run("print", args);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return readPdf(pdf);
    }
    Texts exported(std::vector<std::string> args, const std::string& name) {
        const std::string out = journal.path(name);
        args.insert(args.begin(), {"--format", "pdf", "--out", out});
        const QbkResult result = journal.run("export", args);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return pageTexts(readPdf(out));
    }

    std::string pdf = journal.path("out.pdf");
};

TEST_F(CliPrint, HeaderOnEachPageOfAnEntryWithTheTextBelowIt) {
    const std::vector<PdfPage> pages = print({});
    // The long entry takes two pages, each other entry starts a page of its own.
    ASSERT_EQ(pages.size(), 6u);
    EXPECT_EQ(pages[3].text(), kMatters);
    EXPECT_EQ(pages[4].text().rfind("Wednesday, March 4 2026 08:00 AM longline1 longline2", 0), 0u)
        << pages[4].text();
    EXPECT_NE(pages[5].find("longline90"), nullptr);
    EXPECT_EQ(pages[5].text().rfind("Wednesday, March 4 2026 08:00 AM (continued) longline", 0),
              0u)
        << pages[5].text();

    // The header stands at the top-left margin (1.25 and 1 inch), on later pages too; the text
    // starts two header lines lower.
    const PdfWord* header = pages[4].find("Wednesday,");
    const PdfWord* first = pages[4].find("longline1");
    ASSERT_TRUE(header && first);
    EXPECT_NEAR(header->left, 90.0, kPointsTolerance);
    EXPECT_NEAR(header->top, 72.0, kPointsTolerance);
    EXPECT_NEAR(first->left, 90.0, kPointsTolerance);
    EXPECT_NEAR(first->top, 72.0 + 2 * (header->bottom - header->top), 2 * kPointsTolerance);
    EXPECT_NEAR(pages[5].words.front().top, 72.0, kPointsTolerance);
    // Nothing is printed into the bottom margin.
    for (const PdfPage& page : pages)
        for (const PdfWord& word : page.words)
            EXPECT_LE(word.bottom, page.height - 72.0 + 1.0) << word.text;

    // Without the header the text starts at the top margin (the layout's own rule).
    const std::vector<PdfPage> plain = print({"--no-header"});
    ASSERT_EQ(plain.size(), 6u);
    EXPECT_EQ(plain[3].text(), "budgetary matters");
}

// Five short entries of a week: a page each, or together on one page with a numbered footer
// under the journal's title, which is also the file's Title; comments under their dates.
TEST_F(CliPrint, ContinuousNumberedPagesUnderTheJournalsTitle) {
    journal.setTimeStamp(journal.add("fifth entry\n", {"--comment", "sunny"}), "2026-03-03 12:00");
    const std::vector<std::string> week{"--to", "2026-03-03"};
    EXPECT_EQ(print(week).size(), 5u);
    const std::vector<PdfPage> together =
        print({"--to", "2026-03-03", "--continuous", "--page-numbers", "--comments"});
    ASSERT_EQ(together.size(), 1u);
    EXPECT_EQ(together[0].text(),
              "Sunday, March 1 2026 12:00 AM Budget review Monday, March 2 2026 09:05 AM Meeting "
              "about the budget Notes follow Tuesday, March 3 2026 12:00 PM Comment: sunny fifth "
              "entry Tuesday, March 3 2026 06:30 PM Comment: Budget for seeds Garden planting day "
              "Tuesday, March 3 2026 11:59 PM budgetary matters Trips Page 1 of 1");
    EXPECT_EQ(pdfTitle(pdf), "Trips");

    // An entry of three pages: "(continued)" after the first.
    std::string lines;
    for (int i = 1; i <= 120; ++i)
        lines += "row" + std::to_string(i) + "\n";
    const std::string id = journal.add(lines);
    journal.setTimeStamp(id, "2026-03-05 07:00");
    const std::vector<PdfPage> pages = print({"--entry", id, "--page-numbers"});
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[2].text().rfind("Thursday, March 5 2026 07:00 AM (continued) row", 0), 0u);
    EXPECT_TRUE(pages[2].text().ends_with("row120 Trips Page 3 of 3")) << pages[2].text();
}

// Wrong command lines are refused before the journal opens; a refused print writes nothing.
TEST_F(CliPrint, RefusalsWriteNothing) {
    for (const auto& args :
         {std::vector<std::string>{}, {"--pdf", pdf, "--entry", "{X}", "--from", "2026-01-01"}})
        EXPECT_EQ(journal.run("print", args).exitCode, 1) << ::testing::PrintToString(args);
    EXPECT_THAT(journal.run("print", {"--pdf", journal.path("no-such-folder/out.pdf")}),
                ExitsWith(2, "cannot be written"));

    EXPECT_THAT(journal.run("print", {"--pdf", pdf, "--from", "2027-01-01"}),
                ExitsWith(1, "qbk: " + journal.path() + ": No entries to print.\n"));
    EXPECT_FALSE(fileExists(pdf));

    // A PDF of that name is replaced only by a print that succeeded.
    ASSERT_EQ(pageTexts(print({"--entry", matters})), Texts{kMatters});
    const std::string before = fileBytes(pdf);
    EXPECT_EQ(
        journal.run("print", {"--pdf", pdf, "--folder", "{Root}", "--to", "2020-01-01"}).exitCode,
        1);
    EXPECT_EQ(fileBytes(pdf), before);
}

// The pages are the ones qbk print makes of the same choice; --split writes a PDF per entry.
TEST_F(CliPrint, ExportedPdfHoldsTheChosenEntriesAsPrinted) {
    EXPECT_EQ(exported({}, "all.pdf"), pageTexts(print({})));
    EXPECT_EQ(exported({"--entry", matters}, "one.pdf"), Texts{kMatters});

    exported({"--split", "--folder", "Work"}, "split");
    const std::string folder = journal.path("split");
    EXPECT_EQ(QDir(QString::fromStdString(folder)).entryList(QDir::Files),
              QStringList({QStringLiteral("2026-03-02 09-05.pdf"),
                           QStringLiteral("2026-03-03 23-59.pdf")}));
    EXPECT_EQ(pageTexts(readPdf(folder + "/2026-03-02 09-05.pdf")),
              Texts{"Monday, March 2 2026 09:05 AM Meeting about the budget Notes follow"});
    EXPECT_EQ(pageTexts(readPdf(folder + "/2026-03-03 23-59.pdf")), Texts{kMatters});
}
