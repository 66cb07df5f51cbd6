#include "core/richtext/ModelDump.h"
#include "core/richtext/PlainText.h"
#include "core/richtext/RtfReader.h"
#include "core/richtext/RtfWriter.h"

#include <QByteArrayList>
#include <gtest/gtest.h>

#include <random>

using namespace richtext;

namespace {

QString plain(std::string_view rtf) {
    return plainText(RtfReader::read(rtf));
}

TEST(RtfReader, RecognisesRtfOnlyByItsExactMarker) {
    for (const char* rtf : {"{\\rtf1\\ansi}", "{\\rtf"})
        EXPECT_TRUE(RtfReader::isRtf(rtf)) << rtf;
    for (const char* other : {"{\\RTF1}", " {\\rtf1}", "{\\rt"})
        EXPECT_FALSE(RtfReader::isRtf(other)) << other;
}

TEST(RtfReader, LastParEndsTheLastParagraphWithoutAddingOne) {
    const std::pair<const char*, size_t> cases[] = {
        {"{\\rtf1 }", 0},  {"{\\rtf1 \\par}", 1},       {"{\\rtf1 a\\par}", 1},
        {"{\\rtf1 a}", 1}, {"{\\rtf1 a\\par\\par}", 2}, {"{\\rtf1 a\\par b", 2}};
    for (const auto& [rtf, paragraphs] : cases)
        EXPECT_EQ(paragraphs, RtfReader::read(rtf).paragraphs.size()) << rtf;
}

// The text shown for input whose words change how later bytes are read.
TEST(RtfReader, ShownTextFollowsCodePagesUnicodeSkipsAndBinaryData) {
    const std::pair<std::string, const char16_t*> cases[] = {
        // \ansicpg decides for fonts with the ANSI charset; \fcharset overrides it.
        {"{\\rtf1\\ansi\\ansicpg1251 \\'c6}", u"\u0416"},
        {"{\\rtf1\\ansi\\ansicpg99999 \\'c6}", u"\u00c6"},
        {"{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset161 G;}{\\f1\\fcharset0 L;}}\\f0\\'c1\\f1\\'c1}",
         u"\u0391\u00c1"},
        // A font number missing from the table falls back to the default font.
        {"{\\rtf1\\ansi\\deff3{\\fonttbl{\\f3\\fcharset238 CE;}}\\f9\\'a3}", u"\u0141"},
        // \uc is scoped to its group.
        {"{\\rtf1{\\uc2\\u8364 xxab}\\u8364 ab}", u"\u20acab\u20acb"},
        // \bin skips its bytes without trusting the count.
        {"{\\rtf1 a\\bin3 }{\\b}b}", u"ab"},
        {"{\\rtf1 a\\bin2147483647 xyz", u"a"},
        {"{\\rtf1 a\\bin99999999999999999999 xyz", u"a"},
        {"{\\rtf1 a{\\*\\x \\bin2 }}}b}", u"ab"},
    };
    for (const auto& [rtf, shown] : cases)
        EXPECT_EQ(QString::fromUtf16(shown), plain(rtf)) << rtf;
}

TEST(RtfReader, FontNamesAreCutSoFormatsStayCheapToCompare) {
    const std::string name(10000, 'N');
    const RichDocument doc = RtfReader::read("{\\rtf1{\\fonttbl{\\f0 " + name + ";}}\\f0 x}");
    ASSERT_EQ(1u, doc.paragraphs.size());
    EXPECT_EQ(QString(255, u'N'), doc.paragraphs[0].runs.at(0).format.face);
}

TEST(RtfReader, DeepNestingIsBoundedButTextAndBracesSurvive) {
    const int depth = 200000;
    std::string rtf = "{\\rtf1 a";
    rtf += std::string(depth, '{') + "deep" + std::string(depth, '}') + "b";
    rtf += "{\\b c}d}";
    const RichDocument doc = RtfReader::read(rtf);
    EXPECT_EQ(QStringLiteral("adeepbcd"), plainText(doc));
    ASSERT_EQ(1u, doc.paragraphs.size());
    // Braces matched: the group after the deep part is bold, what follows is not.
    ASSERT_EQ(3u, doc.paragraphs[0].runs.size());
    EXPECT_TRUE(doc.paragraphs[0].runs[1].format.bold);
    EXPECT_FALSE(doc.paragraphs[0].runs[2].format.bold);

    // A skipped destination deep down ends at its own brace; the rest is left unclosed.
    EXPECT_EQ(QStringLiteral("xy"),
              plain("{\\rtf1 x" + std::string(depth, '{') + "{\\*\\dest " +
                    std::string(depth, '{') + std::string(depth, '}') + "}y"));
}

// Found by fuzzing: a scaled size past the reader's bound read back as another size.
TEST(RtfReader, PictureSizesStayInRangeAfterScaling) {
    const RichDocument doc =
        RtfReader::read("{\\rtf1{\\pict\\pngblip\\picw5\\pich-5\\picwgoal1000000\\pichgoal9"
                        "\\picscalex300\\picscaley0 89504e47}}");
    ASSERT_EQ(1u, doc.paragraphs.size());
    // Pixels 5 by 0, shown 1 << 20 by 0 twips: a scale of 0 counts as 1 %.
    EXPECT_EQ((Image{Image::Kind::Png, QByteArray("\x89PNG"), 5, 0, 1 << 20, 0}),
              doc.paragraphs[0].runs.at(0).image);
    EXPECT_EQ(doc, RtfReader::read(RtfWriter::write(doc)));
}

// Found by fuzzing: a later level word left the earlier outline level behind.
TEST(RtfReader, NumberingKeepsOnlyTheLastLevel) {
    const RichDocument doc = RtfReader::read("{\\rtf1{\\*\\pn\\pnlvl3\\pnlvlcont}x\\par}");
    ASSERT_EQ(1u, doc.paragraphs.size());
    ASSERT_TRUE(doc.paragraphs[0].layout.list.has_value());
    EXPECT_EQ(0, doc.paragraphs[0].layout.list->outlineLevel);
    EXPECT_EQ(doc, RtfReader::read(RtfWriter::write(doc)));
}

// Arbitrary input: written and read again, the model stays; the text-only reading agrees.
TEST(RtfReader, RandomInputRoundTripsThroughTheWriterAndShowsTheSameText) {
    std::mt19937 random(20261206);
    using namespace std::string_literals; // the alphabet holds a NUL byte
    const std::string alphabet = "{}\\\\\\'09afAFxuc-;* \r\n\x00\xe9\x80pardbiul"s;
    // RTF words and groups the random input is made of, between bars.
    const QList<QByteArray> words =
        QByteArray(
            "\\par |\\b |\\u-3913 |\\uc2 |\\'e9|{\\*\\x |\\pict\\pngblip |\\f1 |"
            "{\\fonttbl{\\f1\\fcharset238 X;}}|{\\colortbl;\\red9;}|\\cf1 |\\line |\\bin2 |\\qc |"
            "\\u-10179 |\\u-8704 |\\u8232 |{\\pict\\pngblip 89504e47}|\\cell |\\row |\\intbl |"
            "\\itap2 |\\nestcell |{\\*\\nesttableprops\\trowd\\cellx9\\nestrow}|\\trowd\\cellx100 |"
            "\\page |{\\*\\pn\\pnlvlbody\\pndec{\\pntxta.}}|{\\pntext 1.\\tab}|\\pnlvlblt |"
            "{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt |\\highlight1 |\\super |\\dn3 |\\uldb |"
            "\\li-20 |\\sl-240\\slmult1 |{\\*\\listtable{\\list}}|\\'83")
            .split('|');
    for (int round = 0; round < 3000; ++round) {
        std::string input = "{\\rtf1 ";
        const int pieces = std::uniform_int_distribution(0, 60)(random);
        for (int i = 0; i < pieces; ++i) {
            if (random() % 3 == 0)
                input += words[random() % words.size()].toStdString();
            else
                input += alphabet[random() % alphabet.size()];
        }
        const RichDocument doc = RtfReader::read(input);
        const std::string written = RtfWriter::write(doc);
        ASSERT_EQ(dumpDocument(doc), dumpDocument(RtfReader::read(written)))
            << "input: " << input << "\nwritten: " << written;
        ASSERT_EQ(controlText(doc), RtfReader::readControlText(input)) << "input: " << input;
    }
}

} // namespace
