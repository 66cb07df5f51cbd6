#include "core/store/CHiddenRichEdit.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using namespace Qt::StringLiterals;
constexpr auto kRtf = CHiddenRichEdit::SF_RTF;
constexpr auto kText = CHiddenRichEdit::SF_TEXT;

std::string rtf(std::string_view body) {
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}"
           "\\viewkind4\\uc1\\pard\\f0\\fs20 " +
           std::string(body) + "}";
}

std::string streamOut(std::string_view rtfText) {
    CHiddenRichEdit edit;
    edit.StreamInText(kRtf, rtfText);
    return edit.StreamOutText();
}

// Paragraphs, line breaks and tabs in the text are the reader's (RtfGolden, RtfReader); here,
// that the text comes out in the stored encoding, into an emptied argument.
TEST(CHiddenRichEditStreamOut, UsesTheStoredTextEncoding) {
    EXPECT_EQ("Caf\xe9 \x80", streamOut(rtf("Caf\\'e9 \\u8364?\\par")));
    // A character outside Windows-1252 turns the whole text into UTF-8.
    EXPECT_EQ("Caf\xc3\xa9 \xce\xb1", streamOut(rtf("Caf\\'e9 \\u945?\\par")));
    std::string out = "old contents";
    CHiddenRichEdit edit;
    edit.StreamInText(kRtf, rtf("new\\par"));
    edit.StreamOutText(out);
    EXPECT_EQ("new", out);
}

TEST(CHiddenRichEditStreamIn, PlainTextAndRtfThatIsNotRtf) {
    CHiddenRichEdit edit;
    edit.StreamInText(kText, "line one\r\nline {two}\nthree\r");
    EXPECT_EQ("line one\r\nline {two}\r\nthree\r\n", edit.StreamOutText());
    // Text that does not start with the RTF marker is shown as it is.
    edit.StreamInText(kRtf, " {\\rtf1 not rtf}");
    EXPECT_EQ(" {\\rtf1 not rtf}", edit.StreamOutText());
    edit.StreamInText(kRtf, "{\\RTF1 upper case}");
    EXPECT_EQ("{\\RTF1 upper case}", edit.StreamOutText());
}

TEST(CHiddenRichEditFind, FindsTextAsShownNotTheRtfSourceNorTheEmptyString) {
    const std::string text = rtf("Hello wor\\b ld\\b0 , again\\par second para\\par");
    // The paragraph break counts as one character; the empty string is never found; plain text
    // comments are searched as they are.
    const std::tuple<int, std::string, QString, int> cases[] = {
        {kRtf, text, u"world"_s, 6},          {kRtf, text, u"pard"_s, -1},
        {kRtf, text, u"fs20"_s, -1},          {kRtf, text, u"\\b"_s, -1},
        {kRtf, text, u"second"_s, 19},        {kRtf, text, u"n\rsecond"_s, 17},
        {kRtf, rtf("anything\\par"), {}, -1}, {kText, "", {}, -1},
        {kText, "ab\r\ncd", u"cd"_s, 3},      {kText, "{\\b x}", u"{\\b"_s, 0}};
    CHiddenRichEdit edit;
    for (const auto& [format, in, find, at] : cases)
        EXPECT_EQ(edit.FindInText(format, false, false, in, find), at) << find.toStdString();
}

TEST(CHiddenRichEditDescription, CutNeverSplitsACharacterAndThePrefixKeepsBreaks) {
    CHiddenRichEdit edit;
    std::string body(63, 'a');
    body += "\\u945?\\u-10179?\\u-8704?zz"; // alpha, then one character outside the BMP
    edit.StreamInText(kRtf, rtf(body + "\\par"));
    const QString description = QString::fromUtf8(edit.DerivedDescription());
    EXPECT_EQ(QString(63, u'a') + QChar(0x3B1) + QString::fromUcs4(U"\U0001F600"), description);
    // Windows-1252 text stays one byte per character.
    edit.StreamInText(kRtf, rtf(std::string(64, 'a') + "\\'e9\\'e9\\par"));
    EXPECT_EQ(std::string(64, 'a') + "\xe9", edit.DerivedDescription());
    // The streamed prefix keeps breaks and spaces.
    edit.StreamInText(kRtf, rtf(" one\\par two\\par"));
    EXPECT_EQ(" one\r\ntwo", edit.StreamedPrefix());
    edit.StreamInText(kRtf, rtf(std::string(64, 'y') + "\\par z\\par"));
    EXPECT_EQ(std::string(64, 'y') + "\r", edit.StreamedPrefix());
}

} // namespace
