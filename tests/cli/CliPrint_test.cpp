// qbk print and qbk export --format pdf: the PDFs they write, read back by pdftotext.
#ifdef QBK_PRINTING
#include "support/CliJournal.h"
#include "support/PdfText.h"

#include <QDir>
#include <gtest/gtest.h>

#include <string>

namespace {

using Texts = std::vector<std::string>;

constexpr double kPointsTolerance = 3.0;

const std::string kFirst = "Tuesday, March 03 2026 11:59 PM firstword";
const std::string kThird = "Wednesday, March 04 2026 12:00 AM thirdword";

class CliPrint : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(journal.create("Trips").exitCode, 0);
        journal.addFolder("{F-WORK}", "Work");
        journal.addTopic("{T-A}", "Alpha");
        // Added out of date order; the second fills more than a page.
        const std::string first = journal.add("firstword\n", {"--folder", "Work"});
        std::string lines;
        for (int i = 1; i <= 90; ++i)
            lines += "longline" + std::to_string(i) + "\n";
        const std::string second = journal.add(lines);
        third = journal.add("thirdword\n", {"--folder", "Work"});
        journal.setTimeStamp(first, "2026-03-03 23:59");
        journal.setTimeStamp(second, "2026-03-02 09:05");
        journal.setTimeStamp(third, "2026-03-04 00:00");
        journal.link(first, "{T-A}");
        journal.link(third, "{T-A}");
    }

    std::vector<PdfPage> print(std::vector<std::string> args) {
        args.insert(args.begin(), {"--pdf", pdf});
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

    CliJournal journal;
    std::string pdf = journal.path("out.pdf");
    std::string third;
};

TEST_F(CliPrint, HeaderOnTheFirstPageOfEachEntryOnlyWithTheTextBelowIt) {
    const std::vector<PdfPage> pages = print({});
    // The long entry takes two pages, each other entry starts a page of its own.
    ASSERT_EQ(pages.size(), 4u);
    EXPECT_EQ(pages[0].text().rfind("Monday, March 02 2026 09:05 AM longline1 longline2", 0), 0u)
        << pages[0].text();
    EXPECT_NE(pages[1].find("longline90"), nullptr);
    EXPECT_EQ(pages[1].find("Monday,"), nullptr) << "no header on a later page";
    EXPECT_EQ(pages[2].text(), kFirst);

    // The header stands at the top-left margin (1.25 and 1 inch); the text starts two header
    // lines lower on the first page and at the top margin on later ones.
    const PdfWord* header = pages[0].find("Monday,");
    const PdfWord* first = pages[0].find("longline1");
    ASSERT_TRUE(header && first);
    EXPECT_NEAR(header->left, 90.0, kPointsTolerance);
    EXPECT_NEAR(header->top, 72.0, kPointsTolerance);
    EXPECT_NEAR(first->left, 90.0, kPointsTolerance);
    const double headerLine = header->bottom - header->top;
    EXPECT_NEAR(first->top, 72.0 + 2 * headerLine, 2 * kPointsTolerance);
    const PdfWord& continued = pages[1].words.front();
    EXPECT_NEAR(continued.top, 72.0, kPointsTolerance);
    // Nothing is printed into the bottom margin.
    for (const PdfPage& page : pages)
        for (const PdfWord& word : page.words)
            EXPECT_LE(word.bottom, page.height - 72.0 + 1.0) << word.text;

    // Without the header the text starts at the top margin (the layout's own rule).
    const std::vector<PdfPage> plain = print({"--no-header"});
    ASSERT_EQ(plain.size(), 4u);
    EXPECT_EQ(plain[2].text(), "firstword");
}

TEST_F(CliPrint, NothingChosenSaysSoAndWritesNothing) {
    const QbkResult none = journal.run("print", {"--pdf", pdf, "--from", "2027-01-01"});
    EXPECT_EQ(none.exitCode, 2);
    ASSERT_FALSE(linesOf(none.err).empty());
    EXPECT_EQ(linesOf(none.err).back(), "qbk: " + journal.path() + ": No entries to print.");
    EXPECT_FALSE(fileExists(pdf));

    // A PDF of that name is replaced only by a print that succeeded.
    ASSERT_FALSE(print({"--entry", third}).empty());
    const std::string before = fileBytes(pdf);
    EXPECT_EQ(
        journal.run("print", {"--pdf", pdf, "--folder", "{Root}", "--to", "2020-01-01"}).exitCode,
        2);
    EXPECT_EQ(fileBytes(pdf), before);
}

TEST_F(CliPrint, RefusesWrongCommandLinesBeforeOpeningTheJournal) {
    for (const auto& args :
         {std::vector<std::string>{}, {"--pdf", pdf, "--entry", "{X}", "--from", "2026-01-01"}})
        EXPECT_EQ(journal.run("print", args).exitCode, 1) << ::testing::PrintToString(args);
    const QbkResult unwritable =
        journal.run("print", {"--pdf", journal.path("no-such-folder/out.pdf")});
    EXPECT_EQ(unwritable.exitCode, 2);
    EXPECT_NE(unwritable.err.find("cannot be written"), std::string::npos) << unwritable.err;
}

// The pages are the ones qbk print makes of the same choice.
TEST_F(CliPrint, ExportedPdfHoldsTheChosenEntriesAsPrinted) {
    EXPECT_EQ(exported({}, "all.pdf"), pageTexts(print({})));
    EXPECT_EQ(exported({"--entry", third}, "one.pdf"), Texts{kThird});
    EXPECT_EQ(pageTexts(print({"--entry", third})), Texts{kThird});
}

TEST_F(CliPrint, ExportSplitWritesOnePdfPerEntry) {
    exported({"--split", "--folder", "Work"}, "split");
    const std::string folder = journal.path("split");
    EXPECT_EQ(QDir(QString::fromStdString(folder)).entryList(QDir::Files),
              QStringList({QStringLiteral("2026-03-03 23-59.pdf"),
                           QStringLiteral("2026-03-04 00-00.pdf")}));
    EXPECT_EQ(pageTexts(readPdf(folder + "/2026-03-03 23-59.pdf")), Texts{kFirst});
    EXPECT_EQ(pageTexts(readPdf(folder + "/2026-03-04 00-00.pdf")), Texts{kThird});
}

} // namespace
#endif
