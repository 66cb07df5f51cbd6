#include "richtext/ListNumbering.h"
#include "richtext/ModelDump.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

#include <gtest/gtest.h>

using namespace richtext;

namespace {

CharFormat face(const char* name, int halfPoints) {
    CharFormat f;
    f.face = QString::fromUtf8(name);
    f.halfPoints = halfPoints;
    return f;
}

Run text(const CharFormat& format, const QString& content) {
    return Run{format, content, std::nullopt};
}

Paragraph para(Alignment alignment, std::vector<Run> runs, const CharFormat& mark,
               int tableLevel = 0, ParagraphEnd end = ParagraphEnd::Paragraph) {
    Paragraph p;
    p.alignment = alignment;
    p.runs = std::move(runs);
    p.mark = mark;
    p.layout.tableLevel = tableLevel;
    p.end = end;
    return p;
}

Run picture(Image::Kind kind, const char* bytes, int w, int h) {
    Image image;
    image.kind = kind;
    image.data = QByteArray(bytes);
    image.widthPixels = w;
    image.heightPixels = h;
    image.widthTwips = w * 15;
    image.heightTwips = h * 15;
    return Run{CharFormat{}, QString(), image};
}

TEST(RtfWriter, WritesTheWindowsControlShape) {
    const CharFormat plain = face("Calibri", 22);
    CharFormat red = plain;
    red.color = 0xFF0000;
    red.bold = true;
    CharFormat fancy = face("Times New Roman", 32);
    fancy.italic = fancy.underline = fancy.strike = true;

    RichDocument doc;
    doc.paragraphs.push_back(
        para(Alignment::Left,
             {text(plain, QStringLiteral("Hello ")), text(red, QStringLiteral("world"))}, plain));
    doc.paragraphs.push_back(
        para(Alignment::Center,
             {text(fancy, QStringLiteral(u"Caf\u00e9 \u0142 {x}\\ 1\t2\u20283"))}, fancy));
    doc.paragraphs.push_back(para(Alignment::Left, {}, plain));
    // U+FB01 is 64257, written as 64257 - 65536; the emoji as its two surrogates; U+0080 is
    // not in Windows-1252 (0x80 there is the euro sign).
    doc.paragraphs.push_back(para(Alignment::Left,
                                  {text(plain, QString::fromUcs4(U"\uFB01 \U0001F600 \u0080")),
                                   picture(Image::Kind::Png, "\x89PNG", 2, 3)},
                                  plain));

    EXPECT_EQ("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 "
              "Calibri;}{\\f1\\fnil\\fcharset0 Times New Roman;}}\r\n"
              "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
              "{\\*\\generator Msftedit 5.41.21.2510;}\\viewkind4\\uc1\\pard\\f0\\fs22 Hello "
              "\\cf1\\b world\\cf0\\b0\\par\r\n"
              "\\pard\\qc\\ul\\i\\strike\\f1\\fs32 Caf\\'e9 \\u322? \\{x\\}\\\\ 1\\tab 2\\line "
              "3\\par\r\n"
              "\\pard\\ulnone\\i0\\strike0\\f0\\fs22\\par\r\n"
              "\\u-1279? \\u-10179?\\u-8704? \\u128?{\\pict\\pngblip\\picw2\\pich3\\picwgoal30"
              "\\pichgoal45\r\n89504e47}\\par\r\n"
              "}",
              RtfWriter::write(doc));
}

TEST(RtfWriter, ColourTableOnlyWhenAColourIsUsed) {
    RichDocument doc;
    doc.paragraphs.push_back(
        para(Alignment::Right, {text(face("Arial", 20), QStringLiteral("x"))}, face("Arial", 20)));
    const std::string rtf = RtfWriter::write(doc);
    EXPECT_EQ(std::string::npos, rtf.find("colortbl"));
    EXPECT_NE(std::string::npos, rtf.find("\\uc1\\pard\\qr\\f0\\fs20 x\\par\r\n}"));
}

// Every feature of the model survives RTF: write, read, compare.
TEST(RtfWriter, ModelRoundTripsThroughRtf) {
    CharFormat a = face("Arial", 20);
    CharFormat b = face("Za\xc5\xbc\xc3\xb3\xc5\x82\xc4\x87 {Sans}", 7);
    b.color = 0x00FF7F;
    b.bold = b.strike = true;
    CharFormat c = face("", 3276);
    c.italic = c.underline = true;
    c.color = 0;

    RichDocument doc;
    doc.paragraphs.push_back(para(Alignment::Left, {}, a));
    doc.paragraphs.push_back(para(
        Alignment::Right,
        {text(a, QStringLiteral("12 digits after a word")), text(b, QStringLiteral(" lead space")),
         picture(Image::Kind::Jpeg, "\xff\xd8\xff\xe0jpeg", 640, 480),
         text(c, QString::fromUcs4(U"\t\u2028\\{}\u00a0\u20ac\u0142\U0001F600\x01\x7f;"))},
        b));
    doc.paragraphs.push_back(
        para(Alignment::Center, {picture(Image::Kind::Png, "\x89PNG", 1, 1)}, c));
    doc.paragraphs.push_back(
        para(Alignment::Center, {text(a, QStringLiteral("same alignment"))}, a));
    doc.paragraphs.push_back(para(Alignment::Left, {}, b));

    const std::string rtf = RtfWriter::write(doc);
    const RichDocument back = RtfReader::read(rtf);
    EXPECT_EQ(dumpDocument(doc), dumpDocument(back)) << rtf;
    EXPECT_EQ(doc, back);
}

ListFormat numbered(ListFormat::Style style, int start, const char* after) {
    ListFormat list;
    list.level = ListFormat::Level::Body;
    list.style = style;
    list.start = start;
    list.font = QStringLiteral("Arial");
    list.after = QString::fromUtf8(after);
    return list;
}

// Lists, tables, fields and page breaks in the shapes the Windows control writes and reads.
TEST(RtfWriter, WritesListsTablesAndFieldsInTheControlsShapes) {
    const CharFormat plain = face("Arial", 20);
    CharFormat link = plain;
    link.underline = true;
    link.color = 0x0000FF;
    link.field = QStringLiteral("HYPERLINK \"http://example.com/\"");

    RichDocument doc;
    for (const char* item : {"one", "two", "three"}) {
        Paragraph p = para(Alignment::Left, {text(plain, QString::fromUtf8(item))}, plain);
        p.layout.list = numbered(ListFormat::Style::UpperRoman, 4, ")");
        p.layout.leftIndent = 720;
        p.layout.firstIndent = -360;
        doc.paragraphs.push_back(p);
    }
    doc.paragraphs.push_back(para(Alignment::Justify, {text(plain, QStringLiteral("cell"))}, plain,
                                  1, ParagraphEnd::Cell));
    doc.paragraphs.back().tableWords = "\\trowd\\trgaph108\\cellx2000";
    doc.paragraphs.push_back(para(Alignment::Justify, {}, plain, 1, ParagraphEnd::Row));
    doc.paragraphs.push_back(para(
        Alignment::Left, {text(plain, QStringLiteral("see ")), text(link, QStringLiteral("it"))},
        plain, 0, ParagraphEnd::Page));

    const std::string rtf = RtfWriter::write(doc);
    for (const char* piece :
         {"\\pard{\\pntext\\f0 IV)\\tab}{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart4"
          "\\pnucrm{\\pntxta )}}\\fi-360\\li720\\f0\\fs20 one\\par\r\n",
          "\r\n{\\pntext\\f0 V)\\tab}two\\par\r\n{\\pntext\\f0 VI)\\tab}three\\par",
          "\\trowd\\trgaph108\\cellx2000\\pard\\intbl\\qj cell\\cell\r\n\\row\r\n",
          "see {\\field{\\*\\fldinst{HYPERLINK \"http://example.com/\"}}{\\fldrslt{"
          "\\cf1\\ul it}}}\\page"})
        EXPECT_NE(std::string::npos, rtf.find(piece)) << piece << "\n" << rtf;
    EXPECT_EQ(doc, RtfReader::read(rtf));
}

// A nested row is written for readers that know nested tables and for those that do not.
TEST(RtfWriter, NestedRowsCarryTheirDefinitionAtTheirEnd) {
    const CharFormat plain = face("Arial", 20);
    RichDocument doc;
    doc.paragraphs.push_back(para(Alignment::Left, {text(plain, QStringLiteral("inner"))}, plain, 2,
                                  ParagraphEnd::Cell));
    doc.paragraphs.push_back(para(Alignment::Left, {}, plain, 2, ParagraphEnd::Row));
    doc.paragraphs.back().tableWords = "\\trowd\\cellx1000";
    const std::string rtf = RtfWriter::write(doc);
    EXPECT_NE(std::string::npos,
              rtf.find("\\intbl\\itap2\\f0\\fs20 inner\\nestcell\r\n{\\*\\nesttableprops\\trowd"
                       "\\cellx1000\\nestrow}{\\nonesttables\\par}"))
        << rtf;
    EXPECT_EQ(doc, RtfReader::read(rtf));
    EXPECT_EQ(QStringLiteral("inner\t"), RtfReader::readControlText(rtf));
}

TEST(ListNumbering, NumbersInEachStyle) {
    using S = ListFormat::Style;
    const struct {
        S style;
        long long number;
        const char* text;
    } cases[] = {{S::Decimal, 12, "12"},     {S::UpperRoman, 1994, "MCMXCIV"},
                 {S::LowerRoman, 4, "iv"},   {S::UpperRoman, 4000, "4000"},
                 {S::LowerRoman, 0, "0"},    {S::UpperLetter, 1, "A"},
                 {S::LowerLetter, 26, "z"},  {S::LowerLetter, 28, "bb"},
                 {S::UpperLetter, -3, "-3"}, {S::Ordinal, 3, "3"}};
    for (const auto& c : cases)
        EXPECT_EQ(QString::fromUtf8(c.text), listNumberText(c.style, c.number)) << c.number;
}

} // namespace
