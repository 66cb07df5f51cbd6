// What readers see: HTML paragraphs as paragraphs, ODT headings and fonts, Markdown pictures
// as files, list markers in plain text.

#include "support/ExportFixture.h"

#include "core/export/HtmlWriter.h"
#include "core/export/TextWriter.h"
#include "core/richtext/RtfReader.h"

#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gmock/gmock.h>

namespace {

using testing::HasSubstr;

// Two faces, a colour, two spaces, a list, a picture: four paragraphs.
constexpr const char* kRichEntry =
    "{\\rtf1\\ansi{\\fonttbl{\\f0 Courier New;}{\\f1 Georgia;}}{\\colortbl;\\red255\\green0"
    "\\blue0;}\\f0\\fs28\\cf1 Red  word\\par{\\*\\pn\\pnlvlblt{\\pntxtb \\'b7}}one\\par two\\par"
    "\\pard\\f1 after {\\pict\\pngblip\\picw1\\pich1\\picwgoal300\\pichgoal150 "
    "89504e470d0a1a0a}\\par}";

// A member of a zip file, as unzip reads it; fails the test when the archive is damaged.
QByteArray zipMember(const QString& zip, const QString& member) {
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-tqq"), zip});
    EXPECT_TRUE(unzip.waitForFinished() && unzip.exitCode() == 0) << unzip.readAll().data();
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), zip, member});
    unzip.waitForFinished();
    return unzip.readAllStandardOutput();
}

} // namespace

TEST(HtmlWriterTest, ParagraphsAreParagraphsWithoutPreservedLineEnds) {
    const richtext::RichDocument document = richtext::RtfReader::read(kRichEntry);
    const QString html = HtmlWriter::body(document);
    const qsizetype blocks = html.count(QRegularExpression(QStringLiteral("<(p|li)[ >]")));
    EXPECT_EQ(blocks, qsizetype(document.paragraphs.size())) << html.toStdString();
    // Two spaces stay two; the page itself folds nothing else into text.
    EXPECT_THAT(html.toStdString(), HasSubstr(">Red &#160;word<"));
    EXPECT_THAT(HtmlWriter().begin({}), testing::Not(HasSubstr("white-space")));
}

TEST(TextWriterTest, ListItemsKeepTheirMarkersIndentedByLevel) {
    const std::pair<const char*, const char16_t*> cases[] = {
        {"{\\*\\pn\\pnlvlblt{\\pntxtb \\'b7}}one\\par two\\par\\pard after",
         u"• one\n• two\nafter"},
        {"{\\*\\pn\\pnlvlbody\\pnlcrm\\pnstart3\\pntxta )}x\\par y", u"iii) x\niv) y"},
        {"{\\*\\pn\\pnlvlblt}\\li720 top\\par\\li1440 deeper\\line more",
         u"• top\n  • deeper\n    more"},
        {"{\\*\\pn\\pnlvl1}a\\par{\\*\\pn\\pnlvl2}b\\par "
         "c\\par{\\*\\pn\\pnlvl1}d\\par{\\*\\pn\\pnlvl2}e",
         u"1. a\n  1. b\n  2. c\n2. d\n  1. e"},
    };
    for (const auto& [rtf, expected] : cases) {
        const std::string document = std::string("{\\rtf1 ") + rtf + "\\par}";
        EXPECT_EQ(TextWriter::body(richtext::RtfReader::read(document)).trimmed(),
                  QString::fromUtf16(expected))
            << rtf;
    }
}

class ExportReading : public ExportFixture {};

TEST_F(ExportReading, MarkdownPicturesAreFilesBesideTheDocumentUnlessEmbedded) {
    const struct {
        bool split;
        bool embed;
        const char* document;
        const char* picture; // empty: none written
        const char* link;
    } cases[] = {
        {false, false, "j.md", "j_files/1.png", "(j_files/1.png)"},
        {true, false, "s/2004-07-05 14-30.md", "s/2004-07-05 14-30-1.png",
         "(2004-07-05%2014-30-1.png)"},
        {false, true, "e.md", "", "(data:image/png;base64,iVBORw0KGgo=)"},
    };
    for (const auto& c : cases) {
        ExportRequest markdown =
            request(QString::fromLatin1(c.document).section(u'/', 0, 0), ExportFormat::Markdown);
        markdown.split = c.split;
        markdown.embedPictures = c.embed;
        ASSERT_EQ(run(markdown).status, ExportResult::Status::Done) << c.document;
        EXPECT_THAT(read(QLatin1String(c.document)).toStdString(),
                    HasSubstr(std::string("![picture]") + c.link));
        if (*c.picture) {
            EXPECT_EQ(read(QLatin1String(c.picture)), kPictureBytes) << c.picture;
        }
    }
    // Embedded, nothing but the document is written.
    EXPECT_EQ(QDir(out.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList({QStringLiteral("e.md"), QStringLiteral("j.md"),
                           QStringLiteral("j_files"), QStringLiteral("s")}));
}

TEST_F(ExportReading, OdtHasRealHeadingsTheEntriesFontsAndEveryEntry) {
    journal.addEntry("{E0000000-0000-0000-0000-000000000009}", "2004-07-09 10:00", "{Root}", "",
                     false, kRichEntry);
    ASSERT_EQ(run(request(QStringLiteral("j.odt"), ExportFormat::Odt)).status,
              ExportResult::Status::Done);
    const QString path = outPath(QStringLiteral("j.odt"));
    // The mimetype comes first and unpacked, as readers look for it.
    EXPECT_EQ(read(QStringLiteral("j.odt")).mid(30, 47),
              QByteArrayLiteral("mimetypeapplication/vnd.oasis.opendocument.text"));

    QXmlStreamReader content(zipMember(path, QStringLiteral("content.xml")));
    QStringList headings;
    QStringList fonts;
    QString text;
    int lists = 0;
    int pictures = 0;
    while (!content.atEnd()) {
        content.readNext();
        const QXmlStreamAttributes attributes = content.attributes();
        if (content.isCharacters())
            text += content.text();
        if (!content.isStartElement())
            continue;
        if (content.qualifiedName() == u"text:h")
            headings << attributes.value(QStringLiteral("text:outline-level")).toString();
        else if (content.qualifiedName() == u"style:font-face")
            fonts << attributes.value(QStringLiteral("style:name")).toString();
        lists += content.qualifiedName() == u"text:list";
        pictures += content.qualifiedName() == u"office:binary-data";
    }
    EXPECT_FALSE(content.hasError()) << content.errorString().toStdString();
    EXPECT_EQ(headings, QStringList({QStringLiteral("1")}) + QStringList(5, QStringLiteral("2")));
    EXPECT_EQ(fonts, QStringList({QStringLiteral("Arial"), QStringLiteral("Courier New"),
                                  QStringLiteral("Georgia")}));
    EXPECT_EQ(lists, 1);
    EXPECT_EQ(pictures, 2);
    for (const Sample& entry : kEntries)
        EXPECT_TRUE(text.contains(QLatin1String(entry.marker))) << entry.marker;
    EXPECT_THAT(zipMember(path, QStringLiteral("styles.xml")).toStdString(),
                HasSubstr("style:name=\"Heading_20_2\" style:display-name=\"Heading 2\""));
}
