// qbk export --format pdf: laid out as qbk print prints, read back by pdftotext.
#ifdef QBK_PRINTING
#include "support/PdfText.h"
#include "support/CliJournal.h"

#include <QDir>
#include <gtest/gtest.h>

#include <string>

namespace {

using Texts = std::vector<std::string>;

Texts pageTexts(const std::vector<PdfPage>& pages) {
    Texts texts;
    for (const PdfPage& page : pages)
        texts.push_back(page.text());
    return texts;
}

class CliExportPdf : public ::testing::Test {
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

    Texts exported(std::vector<std::string> args, const std::string& name) {
        const std::string out = journal.path(name);
        args.insert(args.begin(), {"--format", "pdf", "--out", out});
        const QbkResult result = journal.run("export", args);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return pageTexts(readPdf(out));
    }

    CliJournal journal;
    std::string third;
};

const std::string kFirst = "Tuesday, March 03 2026 11:59 PM firstword";
const std::string kThird = "Wednesday, March 04 2026 12:00 AM thirdword";

TEST_F(CliExportPdf, ChosenEntriesOnlyInDateOrderEachFromAPageOfItsOwnAsPrinted) {
    struct Case {
        std::vector<std::string> args;
        Texts pages; // each page's text; "*" where only the start is compared
    };
    const Case cases[] = {
        {{}, {"Monday, March 02 2026 09:05 AM longline1*", "*longline90", kFirst, kThird}},
        {{"--folder", "Work"}, {kFirst, kThird}},
        // Both days whole: 23:59 of the last day in, 00:00 of the next day out.
        {{"--from", "2026-03-03", "--to", "2026-03-03"}, {kFirst}},
        {{"--entry", third}, {kThird}},
        {{"--topic", "Alpha", "--from", "2026-03-04"}, {kThird}},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const Texts pages = exported(c.args, "case" + std::to_string(++n) + ".pdf");
        ASSERT_EQ(pages.size(), c.pages.size()) << ::testing::PrintToString(pages);
        for (std::size_t i = 0; i < pages.size(); ++i) {
            const std::string& want = c.pages[i];
            if (want.front() == '*')
                EXPECT_EQ(pages[i].substr(pages[i].size() - want.size() + 1), want.substr(1));
            else if (want.back() == '*')
                EXPECT_EQ(pages[i].substr(0, want.size() - 1), want.substr(0, want.size() - 1));
            else
                EXPECT_EQ(pages[i], want);
        }
        // The pages are the ones qbk print makes of the same choice.
        if (c.args.empty() || c.args[0] != "--topic") {
            std::vector<std::string> print = c.args;
            print.insert(print.begin(), {"--pdf", journal.path("printed.pdf")});
            ASSERT_EQ(journal.run("print", print).exitCode, 0);
            EXPECT_EQ(pageTexts(readPdf(journal.path("printed.pdf"))), pages);
        }
    }
}

TEST_F(CliExportPdf, SplitWritesOnePdfPerEntry) {
    const std::string folder = journal.path("split");
    ASSERT_EQ(
        journal.run("export", {"--format", "pdf", "--out", folder, "--split", "--folder", "Work"})
            .exitCode,
        0);
    EXPECT_EQ(QDir(QString::fromStdString(folder)).entryList(QDir::Files),
              QStringList({QStringLiteral("2026-03-03 23-59.pdf"),
                           QStringLiteral("2026-03-04 00-00.pdf")}));
    EXPECT_EQ(pageTexts(readPdf(folder + "/2026-03-03 23-59.pdf")), Texts{kFirst});
    EXPECT_EQ(pageTexts(readPdf(folder + "/2026-03-04 00-00.pdf")), Texts{kThird});
}

} // namespace
#endif
