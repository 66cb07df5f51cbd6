// Each format read back holds every chosen entry's text, in date order, and no other's.

#include "support/ExportFixture.h"

#include "core/export/HtmlWriter.h"
#include "core/export/MarkdownWriter.h"
#include "core/richtext/RtfReader.h"

#include <QXmlStreamReader>
#include <gmock/gmock.h>

#include <tuple>

namespace {

// The print's choice (EntryChoice tests: days, folders, quoted ids) taken whole, with topics:
// the entries chosen, as indexes into kEntries in date order; nothing chosen: no file.
std::vector<std::tuple<const char*, EntryChoice, std::vector<int>>> choiceCases() {
    EntryChoice topic, twoTopics, none;
    topic.topicIds = {ExportFixture::kTravel};
    // Every topic named must be carried; naming one twice asks for it once.
    twoTopics.topicIds = {ExportFixture::kTravel, ExportFixture::kFood, ExportFixture::kFood};
    none.topicIds = {"x' OR '1'='1"}; // a hostile id is a value, not SQL
    return {{"all", {}, {0, 1, 2, 3}},
            {"topic", topic, {0, 2}},
            {"all topics", twoTopics, {0}},
            {"none", none, {}}};
}

// The text of an HTML file as an XML reader sees it; fails the test on malformed markup.
QString htmlText(const QByteArray& html) {
    QXmlStreamReader reader(html);
    QString text;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isCharacters())
            text += reader.text();
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return text;
}

} // namespace

class ExportChoices : public ExportFixture {};

TEST_F(ExportChoices, EachFormatHoldsTheChosenEntriesInDateOrderAndNoOther) {
    for (const auto& [choiceName, choice, expected] : choiceCases()) {
        for (const ExportFormat format :
             {ExportFormat::Html, ExportFormat::Markdown, ExportFormat::Text}) {
            SCOPED_TRACE(std::string(choiceName) + " " + ExportFormatExtension(format));
            const QString name =
                QStringLiteral("out.") + QLatin1String(ExportFormatExtension(format));
            QFile::remove(outPath(name));
            QDir(outPath(QStringLiteral("out_files"))).removeRecursively(); // Markdown's pictures
            const ExportResult result = run(request(name, format, choice));
            if (expected.empty()) {
                EXPECT_EQ(result.status, ExportResult::Status::Failed);
                EXPECT_FALSE(QFile::exists(outPath(name)));
                continue;
            }
            ASSERT_EQ(result.status, ExportResult::Status::Done) << result.message.toStdString();
            EXPECT_EQ(result.entries, expected.size());
            const QByteArray bytes = read(name);
            const QString text =
                format == ExportFormat::Html ? htmlText(bytes) : QString::fromUtf8(bytes);
            qsizetype last = -1;
            for (int i = 0; i < 4; ++i) {
                const qsizetype at = text.indexOf(QLatin1String(kEntries[i].marker));
                const bool chosen =
                    std::find(expected.begin(), expected.end(), i) != expected.end();
                EXPECT_EQ(at >= 0, chosen) << kEntries[i].marker;
                if (chosen) {
                    EXPECT_GT(at, last) << kEntries[i].marker << " out of date order";
                    last = at;
                }
            }
        }
    }
}

TEST_F(ExportChoices, HeadingsCarryDateFolderTopicsAndTypedCommentOnly) {
    ASSERT_EQ(run(request(QStringLiteral("a.txt"), ExportFormat::Text)).status,
              ExportResult::Status::Done);
    const QString text = QString::fromUtf8(read(QStringLiteral("a.txt")));
    // The journal's display format, from its settings row.
    EXPECT_TRUE(text.contains(QStringLiteral("Monday, July 5 2004 02:30 PM\nFolder: Work\n"
                                             "Topics: Travel, Food\nComment: Note on Alphaword\n"
                                             "\nAlphaword & <tag> \nsecond line\n")))
        << text.toStdString();
    // A description derived from the text is not a comment; the top level has no folder.
    EXPECT_FALSE(text.contains(QStringLiteral("Note on Betaword")));
    EXPECT_TRUE(text.contains(QStringLiteral("Tuesday, July 6 2004 09:00 AM\n\nBetaword")));
    EXPECT_FALSE(text.contains(u'\r'));
}

TEST(HtmlWriterTest, KeepsFormattingColoursAlignmentAndPictures) {
    const std::string rtf =
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Courier New;}}{\\colortbl;\\red255\\green0\\blue0;}"
        "\\qc\\f0\\fs28\\cf1\\b\\i\\ul\\strike x<y\\line z\\par\\pard\\ql "
        "{\\pict\\pngblip\\picw1\\pich1\\picwgoal300\\pichgoal150 89504e470d0a1a0a}\\par}";
    const std::string html = HtmlWriter::body(richtext::RtfReader::read(rtf)).toStdString();
    for (const char* expected :
         {"<p style=\"text-align:center;\">",
          "font-family:'Courier New';font-size:14pt;color:#ff0000;\"><b><i><u><s>x&lt;y<br/>z",
          "<img alt=\"\" src=\"data:image/png;base64,iVBORw0KGgo=\" width=\"20\" height=\"10\"/>"})
        EXPECT_THAT(html, testing::HasSubstr(expected));
    // Characters XML forbids are left out; the rest is escaped.
    EXPECT_EQ(HtmlWriter::escaped(u"a\u0001&\"b"), QStringLiteral("a&amp;&quot;b"));
}

TEST(MarkdownWriterTest, EscapesWhatWouldBecomeMarkup) {
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"# not a heading", u"\\# not a heading"},
        {u"- not a list", u"\\- not a list"},
        {u"12. not numbered", u"12\\. not numbered"},
        {u"a - b 3. c", u"a - b 3. c"}, // only at the start of a line
        {u"*stars* _under_ [link](x) <b> a|b ~x~ \\",
         u"\\*stars\\* \\_under\\_ \\[link\\](x) \\<b\\> a\\|b \\~x\\~ \\\\"},
        {u"\tindented", u"&#9;indented"},
        {u"  two", u"&#32;&#32;two"},
        {u"&amp;", u"\\&amp;"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(MarkdownWriter::escaped(QStringView(text)), QString::fromUtf16(expected))
            << QString::fromUtf16(text).toStdString();
}

TEST(MarkdownWriterTest, EmphasisSpansRunsAndLeavesSpacesOutside) {
    // Two bold runs of different colours are one bold stretch; the space after it stays out.
    const std::string rtf = "{\\rtf1\\ansi{\\colortbl;\\red255\\green0\\blue0;}"
                            "\\b one \\cf1 two \\cf0\\b0\\i three\\i0\\strike  gone\\strike0\\line "
                            "next\\par\\par after}";
    EXPECT_EQ(MarkdownWriter::body(richtext::RtfReader::read(rtf)),
              QStringLiteral("**one two** *three* ~~gone~~\\\nnext\n\nafter\n\n"));
    // Text after emphasis is inside the line: its spaces and "#" are plain text there.
    EXPECT_EQ(MarkdownWriter::body(richtext::RtfReader::read("{\\rtf1 \\b Bold\\b0  # and\\par}")),
              QStringLiteral("**Bold** # and\n\n"));
}

// Lists, a table, links (one that must not become a link) and a numbered list.
TEST(StructuredTextTest, ListsTablesAndLinksInHtmlAndMarkdown) {
    const richtext::RichDocument document = richtext::RtfReader::read(
        "{\\rtf1{\\*\\pn\\pnlvlblt{\\pntxtb \\'b7}}one\\par two\\par\\pard after\\par"
        "\\trowd\\cellx1000\\cellx2000\\intbl a\\cell b\\cell\\row\\pard"
        "{\\field{\\*\\fldinst HYPERLINK \"https://x.org/a b\"}{\\fldrslt site}} and "
        "{\\field{\\*\\fldinst HYPERLINK \"javascript:alert(1)\"}{\\fldrslt bad}}\\par"
        "{\\*\\pn\\pnlvlbody\\pnlcrm\\pnstart3}x\\par y\\par}");
    const std::string html = HtmlWriter::body(document).toStdString();
    for (const char* expected :
         {"<ul style=\"list-style-type:disc\">\n<li><span", ">one</span></li>\n<li><span",
          ">two</span></li>\n</ul>\n<p><span", "<table>\n<tr><td><p><span",
          ">a</span></p></td><td><p><span", ">b</span></p></td></tr>\n</table>\n",
          "<a href=\"https://x.org/a%20b\"><span", ">site</span></a><span",
          "<ol style=\"list-style-type:lower-roman\" start=\"3\">"})
        EXPECT_THAT(html, testing::HasSubstr(expected));
    EXPECT_THAT(html, testing::Not(testing::HasSubstr("javascript")));

    EXPECT_EQ(MarkdownWriter::body(document),
              QStringLiteral("- one\n- two\n\nafter\n\n| a | b |\n| --- | --- |\n\n"
                             "[site](https://x.org/a%20b) and bad\n\n3. x\n4. y\n\n"));
}
