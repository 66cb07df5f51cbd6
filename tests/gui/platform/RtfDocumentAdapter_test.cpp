#include "platform/RtfDocumentAdapter.h"

#include "richtext/ModelDump.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;
using namespace richtext;

namespace {

class RtfDocumentAdapterTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        // Fonts and images need an application; other suites may have made one already.
        if (!QCoreApplication::instance()) {
            static int argc = 1;
            static char name[] = "quillbook_gui_tests";
            static char* argv[] = {name, nullptr};
            static QApplication app(argc, argv);
        }
    }

    static RichDocument throughDocument(const RichDocument& model) {
        QTextDocument document;
        RtfDocumentAdapter::toDocument(model, document);
        return RtfDocumentAdapter::fromDocument(document);
    }
};

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

QByteArray pngOf(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Every golden sample: loaded into the editor's document and saved without edits, it keeps
// its model and so writes the same RTF.
TEST_F(RtfDocumentAdapterTest, SamplesSurviveLoadAndSaveWithoutEdits) {
    const fs::path golden = fs::path(__FILE__).parent_path() / "../../core/richtext/golden";
    int samples = 0;
    for (const auto& entry : fs::directory_iterator(golden)) {
        const std::string rtf = readFile(entry.path() / "input.rtf");
        const RichDocument model = RtfReader::read(rtf);
        if (model.paragraphs.empty())
            continue;
        QTextDocument document;
        RtfDocumentAdapter::setEntryText(document, rtf);
        EXPECT_EQ(dumpDocument(model), dumpDocument(RtfDocumentAdapter::fromDocument(document)))
            << entry.path();
        EXPECT_EQ(RtfWriter::write(model), RtfDocumentAdapter::entryRtf(document));
        ++samples;
    }
    EXPECT_GE(samples, 10);
}

TEST_F(RtfDocumentAdapterTest, FormattingReachesTheDocument) {
    const std::string rtf =
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}{\\colortbl ;\\red255\\green0"
        "\\blue0;}\\pard\\qr\\f0\\fs21 a\\b\\i\\ul\\strike\\cf1\\f1\\fs48 b\\tab c\\line d\\par}";
    QTextDocument document;
    RtfDocumentAdapter::setEntryText(document, rtf);
    const QTextBlock block = document.begin();
    EXPECT_TRUE(block.blockFormat().alignment() & Qt::AlignRight);
    EXPECT_EQ(QStringLiteral(u"ab\tc\u2028d"), block.text());

    QTextCursor cursor(&document);
    cursor.setPosition(1);
    const QTextCharFormat a = cursor.charFormat();
    EXPECT_EQ(QStringLiteral("Arial"), a.fontFamilies().toStringList().value(0));
    EXPECT_DOUBLE_EQ(10.5, a.fontPointSize());
    EXPECT_FALSE(a.fontItalic());
    cursor.setPosition(2);
    const QTextCharFormat b = cursor.charFormat();
    EXPECT_EQ(QStringLiteral("Courier New"), b.fontFamilies().toStringList().value(0));
    EXPECT_DOUBLE_EQ(24.0, b.fontPointSize());
    EXPECT_EQ(QFont::Bold, b.fontWeight());
    EXPECT_TRUE(b.fontItalic() && b.fontUnderline() && b.fontStrikeOut());
    EXPECT_EQ(QColor(Qt::red), b.foreground().color());
}

TEST_F(RtfDocumentAdapterTest, PicturesShowAndKeepTheirBytes) {
    Image image;
    image.data = pngOf(4, 3);
    image.widthPixels = 4;
    image.heightPixels = 3;
    image.widthTwips = 120; // shown at 8 x 6 pixels
    image.heightTwips = 90;
    RichDocument model;
    Paragraph p;
    appendImage(p, image);
    appendImage(p, image);
    p.mark.face = QStringLiteral("Arial");
    model.paragraphs.push_back(p);

    QTextDocument document;
    RtfDocumentAdapter::toDocument(model, document);
    QTextCursor cursor(&document);
    cursor.setPosition(1);
    const QTextImageFormat shown = cursor.charFormat().toImageFormat();
    ASSERT_TRUE(shown.isValid());
    EXPECT_DOUBLE_EQ(8.0, shown.width());
    EXPECT_DOUBLE_EQ(6.0, shown.height());
    const QImage resource =
        document.resource(QTextDocument::ImageResource, QUrl(shown.name())).value<QImage>();
    EXPECT_EQ(QSize(4, 3), resource.size());

    EXPECT_EQ(model, RtfDocumentAdapter::fromDocument(document));
}

TEST_F(RtfDocumentAdapterTest, PastedPictureIsSavedAsPng) {
    QTextDocument document;
    QImage pasted(10, 20, QImage::Format_ARGB32);
    pasted.fill(Qt::blue);
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("pasted")), pasted);
    QTextCursor cursor(&document);
    cursor.insertImage(QStringLiteral("pasted"));

    const RichDocument model = RtfDocumentAdapter::fromDocument(document);
    ASSERT_EQ(1u, model.paragraphs.size());
    ASSERT_EQ(1u, model.paragraphs[0].runs.size());
    const Image& image = *model.paragraphs[0].runs[0].image;
    EXPECT_EQ(Image::Kind::Png, image.kind);
    EXPECT_EQ(QSize(10, 20), QImage::fromData(image.data, "PNG").size());
    EXPECT_EQ(150, image.widthTwips);
    EXPECT_EQ(300, image.heightTwips);
}

TEST_F(RtfDocumentAdapterTest, EditsAndUnsetFormatsUseTheDefaultFont) {
    QTextDocument document;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(11);
    document.setDefaultFont(font);
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("typed"));
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral(" bold"), bold);
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("second"));

    const RichDocument model = RtfDocumentAdapter::fromDocument(document);
    ASSERT_EQ(2u, model.paragraphs.size());
    const auto& runs = model.paragraphs[0].runs;
    ASSERT_EQ(2u, runs.size());
    EXPECT_EQ(QStringLiteral("DejaVu Sans"), runs[0].format.face);
    EXPECT_EQ(22, runs[0].format.halfPoints);
    EXPECT_FALSE(runs[0].format.color.has_value());
    EXPECT_TRUE(runs[1].format.bold);
    // And the saved text reads back the same.
    EXPECT_EQ(model, RtfReader::read(RtfDocumentAdapter::entryRtf(document)));
}

TEST_F(RtfDocumentAdapterTest, PlainEntryTextShowsLiterally) {
    QTextDocument document;
    RtfDocumentAdapter::setEntryText(document, " {\\rtf1 \\b not rtf}\r\nnext");
    EXPECT_EQ(QStringLiteral(" {\\rtf1 \\b not rtf}\nnext"), document.toPlainText());
}

} // namespace
