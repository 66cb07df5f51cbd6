// qbk print: the PDF it writes, read back by pdftotext.
#ifdef QBK_PRINTING
#include "support/CliJournal.h"
#include "support/PdfText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr double kPointsTolerance = 3.0;

std::string numberedLines(const std::string& word, int count) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += word + std::to_string(i) + "\n";
    return text;
}

class CliPrint : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(journal.create("Printed").exitCode, 0);
        journal.addFolder("{F-WORK}", "Work");
        // Added out of date order: the PDF has them by date.
        garden = journal.add("gardenday\n", {"--folder", "Work"});
        longOne = journal.add(numberedLines("longline", 90));
        journal.setTimeStamp(garden, "2026-03-03 23:59");
        journal.setTimeStamp(longOne, "2026-03-02 09:05");
    }

    std::vector<PdfPage> print(std::vector<std::string> args, int expectedStatus = 0) {
        args.insert(args.begin(), {"--pdf", pdf});
        const QbkResult result = journal.run("print", args);
        EXPECT_EQ(result.exitCode, expectedStatus) << result.err;
        return readPdf(pdf);
    }

    // Whether the page shows the word.
    static bool holds(const PdfPage& page, const std::string& word) {
        return page.find(word) != nullptr;
    }

    CliJournal journal;
    std::string pdf = journal.path("out.pdf");
    std::string garden, longOne;
};

TEST_F(CliPrint, HeaderOnTheFirstPageOfEachEntryOnlyWithTheTextBelowIt) {
    const std::vector<PdfPage> pages = print({});
    // The long entry takes two pages, the garden entry starts a page of its own.
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0].text().rfind("Monday, March 02 2026 09:05 AM longline1 longline2", 0), 0u)
        << pages[0].text();
    EXPECT_TRUE(holds(pages[1], "longline90"));
    EXPECT_FALSE(holds(pages[1], "Monday,")) << "no header on a later page";
    EXPECT_EQ(pages[2].text(), "Tuesday, March 03 2026 11:59 PM gardenday");

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
}

TEST_F(CliPrint, NoHeaderPutsTheTextAtTheTopMargin) {
    const std::vector<PdfPage> pages = print({"--no-header"});
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[2].text(), "gardenday");
    ASSERT_FALSE(pages[0].words.empty());
    EXPECT_EQ(pages[0].words.front().text, "longline1");
    EXPECT_NEAR(pages[0].words.front().top, 72.0, kPointsTolerance);
}

TEST_F(CliPrint, NothingChosenSaysSoAndWritesNothing) {
    const QbkResult none = journal.run("print", {"--pdf", pdf, "--from", "2027-01-01"});
    EXPECT_EQ(none.exitCode, 2);
    ASSERT_FALSE(linesOf(none.err).empty());
    EXPECT_EQ(linesOf(none.err).back(), "qbk: " + journal.path() + ": No entries to print.");
    EXPECT_FALSE(fileExists(pdf));

    // A PDF of that name is replaced only by a print that succeeded.
    ASSERT_FALSE(print({"--entry", garden}).empty());
    const std::string before = fileBytes(pdf);
    EXPECT_EQ(
        journal.run("print", {"--pdf", pdf, "--folder", "{Root}", "--to", "2020-01-01"}).exitCode,
        2);
    EXPECT_EQ(fileBytes(pdf), before);
}

TEST_F(CliPrint, RefusesWrongCommandLinesBeforeOpeningTheJournal) {
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"--pdf", pdf, "--entry", "{X}", "--folder", "Work"},
        {"--pdf", pdf, "--entry", "{X}", "--from", "2026-01-01"},
        {"--pdf", pdf, "--from", "2026-03-05", "--to", "2026-03-04"},
        {"--pdf", pdf, "--to", "yesterday"},
    };
    for (const std::vector<std::string>& args : wrong) {
        const QbkResult result = journal.run("print", args);
        EXPECT_EQ(result.exitCode, 1) << args.size() << result.err;
    }
    const QbkResult unwritable =
        journal.run("print", {"--pdf", journal.path("no-such-folder/out.pdf")});
    EXPECT_EQ(unwritable.exitCode, 2);
    EXPECT_NE(unwritable.err.find("cannot be written"), std::string::npos) << unwritable.err;
}

} // namespace
#endif
