#include "core/richtext/ListNumbering.h"
#include "core/richtext/RtfReader.h"
#include "core/richtext/RtfWriter.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace richtext;

namespace {

// Text and names written from a model: Windows-1252 bytes, \u with surrogates, quoted braces
// and backslashes; explicit black stays a colour of its own.
TEST(RtfWriter, WritesTheModelsTextInTheControlsEscapes) {
    Paragraph p;
    p.mark.face = QString::fromUtf8("Za\xc5\xbc\xc3\xb3\xc5\x82\xc4\x87 {Sans}");
    p.mark.halfPoints = 3276;
    p.mark.color = 0;
    // U+FB01 is written as 64257 - 65536; U+0080 is not in Windows-1252 (0x80 is the euro).
    p.runs.push_back(richtext::Run{p.mark,
                                   QString::fromUcs4(U"Caf\u00e9 \u0142 {x}\\ 1\t2\u20283 \uFB01 "
                                                     U"\U0001F600 \u0080\u20ac\u00a0\x01\x7f;"),
                                   std::nullopt});
    RichDocument doc;
    doc.paragraphs.push_back(p);
    const std::string rtf = RtfWriter::write(doc);
    EXPECT_EQ(
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 "
        "Za\\u380?\\'f3\\u322?\\u263? \\{Sans\\};}}\r\n{\\colortbl ;\\red0\\green0\\blue0;}\r\n"
        "{\\*\\generator Msftedit 5.41.21.2510;}\\viewkind4\\uc1\\pard\\cf1\\f0\\fs3276 "
        "Caf\\'e9 \\u322? \\{x\\}\\\\ 1\\tab 2\\line 3 \\u-1279? \\u-10179?\\u-8704? "
        "\\u128?\\'80\\'a0\\'01\\'7f;\\par\r\n}",
        rtf);
    EXPECT_EQ(doc, RtfReader::read(rtf));
}

// The control's own shapes come back unchanged: formats and fonts, an empty paragraph's mark,
// a picture, lists, a table, a field, a page break and a nested row.
TEST(RtfWriter, WritesBackTheWindowsControlsShapes) {
    const std::string head = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl"
                             "{\\f0\\fnil\\fcharset0 Arial;}";
    const std::string generator = "{\\*\\generator Msftedit 5.41.21.2510;}\\viewkind4\\uc1\\pard";
    const std::string shapes[] = {
        head + "{\\f1\\fnil\\fcharset0 Times New Roman;}}\r\n" +
            "{\\colortbl ;\\red255\\green0\\blue0;}\r\n" + generator +
            "\\f0\\fs22 Hello \\cf1\\b world\\cf0\\b0\\par\r\n"
            "\\pard\\qc\\ul\\i\\strike\\f1\\fs32 x\\par\r\n"
            "\\pard\\ulnone\\i0\\strike0\\f0\\fs22\\par\r\n"
            "{\\pict\\jpegblip\\picw2\\pich3\\picwgoal30\\pichgoal45\r\nffd8ffe0}\\par\r\n}",
        head + "}\r\n{\\colortbl ;\\red0\\green0\\blue255;}\r\n" + generator +
            "{\\pntext\\f0 IV)\\tab}{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart4\\pnucrm"
            "{\\pntxta )}}\\fi-360\\li720\\f0\\fs20 one\\par\r\n"
            "{\\pntext\\f0 V)\\tab}two\\par\r\n{\\pntext\\f0 VI)\\tab}three\\par\r\n"
            "\\trowd\\trgaph108\\cellx2000\\pard\\intbl\\qj cell\\cell\r\n\\row\r\n"
            "\\pard see {\\field{\\*\\fldinst{HYPERLINK \"http://example.com/\"}}"
            "{\\fldrslt{\\cf1\\ul it}}}\\page\r\n}",
        head + "}\r\n" + generator +
            "\\intbl\\itap2\\f0\\fs20 inner\\nestcell\r\n"
            "{\\*\\nesttableprops\\trowd\\cellx1000\\nestrow}{\\nonesttables\\par}\r\n}"};
    for (const std::string& rtf : shapes)
        EXPECT_EQ(rtf, RtfWriter::write(RtfReader::read(rtf)));
    EXPECT_EQ(QStringLiteral("inner\t"), RtfReader::readControlText(shapes[2]));
    // A colour table read but never used is not written.
    EXPECT_EQ(head + "}\r\n" + generator + "\\qr\\f0\\fs20 x\\par\r\n}",
              RtfWriter::write(RtfReader::read("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red9;}"
                                               "\\qr\\f0\\fs20 x\\par}")));
}

// Nested items carry their level twice: \ilvl for this program and the paragraph's indent for
// a reader that knows only the \pn form. An item with an indent of its own keeps it.
TEST(RtfWriter, ListLevelsShowAsIndentsAndComeBackAsLevels) {
    const char* const words[] = {"}\\fi-360\\li360", "}\\ilvl1\\fi-360\\li720",
                                 "}\\ilvl2\\fi-360\\li1080", "}\\ilvl3\\fi-360\\li1440"};
    RichDocument doc;
    for (int item = 0; item < 9; ++item) { // bullets, numbers, a number indented on its own
        Paragraph& p = doc.paragraphs.emplace_back();
        p.layout.list.emplace().level =
            item < 4 ? ListFormat::Level::Bullet : ListFormat::Level::Body;
        p.layout.list->indent = 360;
        p.layout.listLevel = item == 8 ? 1 : item % 4;
        p.layout.leftIndent = item == 8 ? 2000 : 0;
        appendText(p, p.mark, QStringLiteral("item"));
    }
    const std::string rtf = RtfWriter::write(doc);
    size_t at = 0;
    for (int item = 0; item < 8; ++item) {
        at = rtf.find(item < 4 ? "\\pnlvlblt" : "\\pnlvlbody", at);
        ASSERT_NE(std::string::npos, at) << rtf;
        const size_t end = rtf.find("item", at);
        EXPECT_NE(std::string::npos, rtf.substr(at, end - at).find(words[item % 4])) << rtf;
        at = end;
    }
    EXPECT_NE(std::string::npos, rtf.find("}\\ilvl1\\li2000")) << rtf;
    EXPECT_EQ(doc, RtfReader::read(rtf));
}

TEST(ListNumbering, NumbersInEachStyle) {
    using S = ListFormat::Style;
    const std::tuple<S, long long, const char*> cases[] = {
        {S::Decimal, 12, "12"},        {S::UpperRoman, 1994, "MCMXCIV"}, {S::LowerRoman, 4, "iv"},
        {S::UpperRoman, 4000, "4000"}, {S::LowerRoman, 0, "0"},          {S::UpperLetter, 1, "A"},
        {S::LowerLetter, 26, "z"},     {S::LowerLetter, 28, "bb"},       {S::UpperLetter, -3, "-3"},
        {S::Ordinal, 3, "3"}};
    for (const auto& [style, number, text] : cases)
        EXPECT_EQ(QString::fromUtf8(text), listNumberText(style, number)) << number;
}

} // namespace
