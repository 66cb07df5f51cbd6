#include "core/richtext/PlainText.h"
#include "core/richtext/RtfReader.h"
#include "core/richtext/RtfWriter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace richtext;

namespace {

// Each run of the first paragraph as "text face size [b] [#rrggbb]".
std::vector<std::string> runsOf(const std::string& rtf) {
    const RichDocument doc = RtfReader::read(rtf);
    std::vector<std::string> runs;
    for (const Run& run : doc.paragraphs.at(0).runs) {
        QString text = QStringLiteral("%1 %2 %3").arg(run.text, run.format.face);
        text = text.arg(run.format.halfPoints) + QLatin1String(run.format.bold ? " b" : "");
        if (run.format.color)
            text += QStringLiteral(" #%1").arg(*run.format.color, 6, 16, QLatin1Char('0'));
        runs.push_back(text.toStdString());
    }
    return runs;
}

using Runs = std::vector<std::string>;

// Runs split where the format changes and only there, however the format was reached.
TEST(RtfReaderRuns, RunsFollowTheFormatAsItIsWhenTextComes) {
    const std::pair<const char*, Runs> cases[] = {
        // Equal formats reached by other words (default font and \f0, on and off, a group)
        {"{\\rtf1\\deff0{\\fonttbl{\\f0 Arial;}}a\\f0 b\\b\\b0 c{\\i0 d}\\fs24 e}",
         {"abcde Arial 24"}},
        {"{\\rtf1 a\\b b\\b0 c\\b d}", {"a  24", "b  24 b", "c  24", "d  24 b"}},
        {"{\\rtf1 a{\\b\\'e9}\\u322?{\\b z}}",
         {"a  24", "\xc3\xa9  24 b", "\xc5\x82  24", "z  24 b"}},
        // A colour or font table after text changes the text after it only
        {"{\\rtf1\\cf1 a{\\colortbl;\\red255\\green0\\blue0;}b}", {"a  24", "b  24 #ff0000"}},
        {"{\\rtf1\\f1 a{\\fonttbl{\\f1 Arial;}}b}", {"a  24", "b Arial 24"}},
        // A picture between texts of one format parts them
        {"{\\rtf1 a{\\pict\\pngblip\\picw1\\pich1 89504e47}b}", {"a  24", "  24", "b  24"}},
    };
    for (const auto& [rtf, runs] : cases)
        EXPECT_EQ(runs, runsOf(rtf)) << rtf;
}

TEST(RtfReaderRuns, ManyFormatsInTurnEachKeepTheirOwnRuns) {
    // More formats than the reader keeps ready, then the first ones again.
    std::string rtf = "{\\rtf1 ";
    Runs expected;
    for (int round = 0; round < 2; ++round) {
        for (int size = 2; size <= (round == 0 ? 100 : 8); size += 2) {
            rtf += "\\fs" + std::to_string(size) + " t" + std::to_string(size);
            expected.push_back("t" + std::to_string(size) + "  " + std::to_string(size));
        }
    }
    EXPECT_EQ(expected, runsOf(rtf + "}"));
}

} // namespace

// Text is scanned in blocks: bytes above 0x7F, control bytes and braces at every offset.
TEST(RtfReaderRuns, RawBytesAnywhereInALongStretchOfText) {
    for (size_t before = 0; before < 40; ++before) {
        const std::string a(before, 'a');
        const std::string b(before % 7, 'b');
        const std::string d(before, 'd');
        const std::string rtf =
            "{\\rtf1\\ansi " + a + "\xe9" + b + "\x01\tc{\\b x}" + d + "\\par " + a + "z}";
        EXPECT_EQ(QString::fromLatin1(a + "\xe9" + b + "\tcx" + d + "\r\n" + a + "z"),
                  plainText(RtfReader::read(rtf)))
            << rtf;
    }
}

// A kept list table with NUL bytes in it must still read as a table once written back.
TEST(RtfReaderKeptTables, TablesWithNulBytesReadTheSameWhenWrittenBack) {
    using namespace std::string_literals;
    const std::string rtf = "{\\rtf1{\\*\0\0\\listoverridetable{\\listoverride\\listid1\\ls1}}"
                            "{\\*\\listtable{\\list\0\\listid1}}\\ls1 a\\par}"s;
    const RichDocument read = RtfReader::read(rtf);
    EXPECT_NE(std::string::npos, read.listOverrideTable.find("\\listid1\\ls1"));
    EXPECT_NE(std::string::npos, read.listTable.find("\\listid1"));
    EXPECT_EQ(read, RtfReader::read(RtfWriter::write(read)));
}
