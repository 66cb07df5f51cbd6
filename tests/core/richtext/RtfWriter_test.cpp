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
        {Alignment::Left,
         {text(plain, QStringLiteral("Hello ")), text(red, QStringLiteral("world"))},
         plain});
    doc.paragraphs.push_back({Alignment::Center,
                              {text(fancy, QStringLiteral(u"Caf\u00e9 \u0142 {x}\\ 1\t2\u20283"))},
                              fancy});
    doc.paragraphs.push_back({Alignment::Left, {}, plain});

    EXPECT_EQ("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 "
              "Calibri;}{\\f1\\fnil\\fcharset0 Times New Roman;}}\r\n"
              "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
              "{\\*\\generator Msftedit 5.41.21.2510;}\\viewkind4\\uc1\\pard\\f0\\fs22 Hello "
              "\\cf1\\b world\\cf0\\b0\\par\r\n"
              "\\pard\\qc\\ul\\i\\strike\\f1\\fs32 Caf\\'e9 \\u322? \\{x\\}\\\\ 1\\tab 2\\line "
              "3\\par\r\n"
              "\\pard\\ulnone\\i0\\strike0\\f0\\fs22\\par\r\n"
              "}",
              RtfWriter::write(doc));
}

TEST(RtfWriter, ColourTableOnlyWhenAColourIsUsed) {
    RichDocument doc;
    doc.paragraphs.push_back(
        {Alignment::Right, {text(face("Arial", 20), QStringLiteral("x"))}, face("Arial", 20)});
    const std::string rtf = RtfWriter::write(doc);
    EXPECT_EQ(std::string::npos, rtf.find("colortbl"));
    EXPECT_NE(std::string::npos, rtf.find("\\uc1\\pard\\qr\\f0\\fs20 x\\par\r\n}"));
}

TEST(RtfWriter, SignedUnicodeAndPictures) {
    RichDocument doc;
    Paragraph p;
    p.runs.push_back(text(face("A", 24), QString::fromUcs4(U"\uFB01 \U0001F600 \u0080")));
    p.runs.push_back(picture(Image::Kind::Png, "\x89PNG", 2, 3));
    p.mark = face("A", 24);
    doc.paragraphs.push_back(p);
    const std::string rtf = RtfWriter::write(doc);
    // U+FB01 is 64257, written as 64257 - 65536; the emoji as its two surrogates; U+0080 is
    // not in Windows-1252 (0x80 there is the euro sign).
    EXPECT_NE(std::string::npos, rtf.find("\\fs24\\u-1279? \\u-10179?\\u-8704? \\u128?"));
    EXPECT_NE(std::string::npos,
              rtf.find("{\\pict\\pngblip\\picw2\\pich3\\picwgoal30\\pichgoal45\r\n89504e47}"));
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
    doc.paragraphs.push_back({Alignment::Left, {}, a});
    doc.paragraphs.push_back(
        {Alignment::Right,
         {text(a, QStringLiteral("12 digits after a word")), text(b, QStringLiteral(" lead space")),
          picture(Image::Kind::Jpeg, "\xff\xd8\xff\xe0jpeg", 640, 480),
          text(c, QString::fromUcs4(U"\t\u2028\\{}\u00a0\u20ac\u0142\U0001F600\x01\x7f;"))},
         b});
    doc.paragraphs.push_back({Alignment::Center, {picture(Image::Kind::Png, "\x89PNG", 1, 1)}, c});
    doc.paragraphs.push_back({Alignment::Center, {text(a, QStringLiteral("same alignment"))}, a});
    doc.paragraphs.push_back({Alignment::Left, {}, b});

    const std::string rtf = RtfWriter::write(doc);
    const RichDocument back = RtfReader::read(rtf);
    EXPECT_EQ(dumpDocument(doc), dumpDocument(back)) << rtf;
    EXPECT_EQ(doc, back);
}

TEST(RtfWriter, EmptyDocumentStaysEmpty) {
    const std::string rtf = RtfWriter::write(RichDocument{});
    EXPECT_TRUE(RtfReader::read(rtf).paragraphs.empty()) << rtf;
}

} // namespace
