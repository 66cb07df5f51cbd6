#include "render/RtfDocumentAdapter.h"

#include "core/richtext/ModelDump.h"
#include "core/richtext/PlainText.h"
#include "core/richtext/RtfReader.h"
#include "core/richtext/RtfWriter.h"
#include "render/PdfEntryPages.h"
#include "support/GuiTest.h"
#include "support/PdfText.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

using namespace richtext;

namespace {

class RtfDocumentAdapterTest : public GuiTest {}; // fonts and images need an application

// Fonts, colours, lists, tables, indents, highlight and raised text are shown by the
// document's own means.
TEST_F(RtfDocumentAdapterTest, FormattingReachesTheDocument) {
    const std::string rtf =
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}{\\f2 Courier New;}}"
        "{\\colortbl ;\\red255\\green255\\blue0;\\red255\\green0\\blue0;}"
        "\\pard\\qr\\f0\\fs21 a\\b\\i\\ul\\strike\\cf2\\f2\\fs48 b\\tab c\\line d\\par"
        "\\pard\\plain\\qj\\li720\\ri360\\fi-360\\sb120\\sa240 just\\highlight1 lit\\highlight0 "
        "x\\super 2\\nosupersub\\par"
        "\\pard{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'b7}}"
        "\\li720 one\\par{\\pntext\\f1\\'b7\\tab}two\\par"
        "\\pard{\\pntext 3)\\tab}{\\*\\pn\\pnlvlbody\\pnstart3\\pnucrm{\\pntxta )}}three\\par"
        "\\trowd\\cellx1500\\cellx4500\\pard\\intbl a\\cell b\\par c\\cell\\row"
        "\\trowd\\cellx1500\\pard\\intbl d\\cell\\row\\pard end\\par}";
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

    const QTextBlock first = block.next();
    const QTextBlockFormat f = first.blockFormat();
    EXPECT_TRUE(f.alignment() & Qt::AlignJustify);
    EXPECT_EQ((QList<qreal>{48, 24, -24, 8, 16}), // pixels: twips / 15
              (QList<qreal>{f.leftMargin(), f.rightMargin(), f.textIndent(), f.topMargin(),
                            f.bottomMargin()}));
    cursor.setPosition(first.position() + 6);
    EXPECT_EQ(QColor(Qt::yellow), cursor.charFormat().background().color());
    cursor.setPosition(first.position() + 9);
    EXPECT_EQ(QTextCharFormat::AlignSuperScript, cursor.charFormat().verticalAlignment());

    const QTextBlock one = first.next();
    const QTextBlock three = one.next().next();
    ASSERT_NE(nullptr, one.textList());
    EXPECT_EQ(QTextListFormat::ListDisc, one.textList()->format().style());
    EXPECT_EQ(one.textList(), one.next().textList());
    ASSERT_NE(nullptr, three.textList());
    EXPECT_EQ(QTextListFormat::ListUpperRoman, three.textList()->format().style());
    EXPECT_EQ(QStringLiteral(")"), three.textList()->format().numberSuffix());

    QTextTable* table = QTextCursor(three.next()).currentTable();
    ASSERT_NE(nullptr, table);
    EXPECT_EQ(QSize(2, 2), QSize(table->columns(), table->rows()));
    EXPECT_EQ(QStringLiteral("a"), table->cellAt(0, 0).firstCursorPosition().block().text());
    EXPECT_EQ(QStringLiteral("c"), table->cellAt(0, 1).lastCursorPosition().block().text());
    EXPECT_EQ(0, table->cellAt(1, 1).column()); // a shorter row: its last cell fills it
    EXPECT_EQ(table->format().columnWidthConstraints(),
              (QList<QTextLength>{QTextLength(QTextLength::FixedLength, 100),
                                  QTextLength(QTextLength::FixedLength, 200)}));

    EXPECT_EQ(RtfReader::read(rtf), RtfDocumentAdapter::fromDocument(document));
}

// What the user changes in the document is what changes in the model; the rest stays, and
// what the document leaves unset is its default font.
TEST_F(RtfDocumentAdapterTest, ChangesMadeInTheDocumentReachTheModel) {
    const std::string rtf = "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\pard\\qj\\li720\\sa200 "
                            "\\uldb\\highlight0\\cb0 a\\ulnone\\par\\pard b\\par}";
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 11));
    RtfDocumentAdapter::setEntryText(document, rtf);
    QTextCursor cursor(&document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.mergeBlockFormat(centred);
    cursor.movePosition(QTextCursor::NextBlock);
    cursor.createList(QTextListFormat::ListDecimal);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat struck;
    struck.setFontStrikeOut(true);
    struck.setFontWeight(QFont::Bold);
    cursor.mergeCharFormat(struck);
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    cursor.insertText(QStringLiteral("typed"));

    const RichDocument model = RtfDocumentAdapter::fromDocument(document);
    ASSERT_EQ(3u, model.paragraphs.size());
    const Paragraph& a = model.paragraphs[0];
    EXPECT_EQ(Alignment::Center, a.alignment);
    EXPECT_EQ(720, a.layout.leftIndent);
    EXPECT_EQ(200, a.layout.spaceAfter);
    EXPECT_EQ(UnderlineStyle::Double, a.runs.at(0).format.underlineStyle); // shown as single
    const Paragraph& b = model.paragraphs[1];
    ASSERT_TRUE(b.layout.list.has_value());
    EXPECT_TRUE(b.layout.list->numbered());
    EXPECT_TRUE(b.runs.at(0).format.strike && b.runs.at(0).format.bold);
    const CharFormat& typed = model.paragraphs[2].runs.at(0).format;
    // Unformatted text is in the entry's own face and size, not the document's earlier default.
    EXPECT_EQ(QStringLiteral("Arial"), typed.face);
    EXPECT_EQ(24, typed.halfPoints);
    EXPECT_FALSE(typed.color.has_value());
    // A list made in the editor is written with its number for older readers too.
    const std::string written = RtfDocumentAdapter::entryRtf(document);
    EXPECT_NE(std::string::npos, written.find("{\\pntext 1.\\tab}{\\*\\pn\\pnlvlbody")) << written;
    EXPECT_EQ(model, RtfReader::read(written));
}

TEST_F(RtfDocumentAdapterTest, PicturesShowAndKeepTheirBytesAndPastedOnesAreStoredAsPng) {
    QImage red(4, 3, QImage::Format_RGB32);
    red.fill(Qt::red);
    Image image;
    QBuffer buffer(&image.data);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) && red.save(&buffer, "PNG"));
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
    EXPECT_EQ(QSizeF(8, 6), QSizeF(shown.width(), shown.height()));
    const QImage resource =
        document.resource(QTextDocument::ImageResource, QUrl(shown.name())).value<QImage>();
    EXPECT_EQ(QSize(4, 3), resource.size());

    EXPECT_EQ(model, RtfDocumentAdapter::fromDocument(document));

    // A picture pasted in the editor is stored as PNG.
    QImage pasted(10, 20, QImage::Format_ARGB32);
    pasted.fill(Qt::blue);
    document.clear();
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("pasted")), pasted);
    QTextCursor(&document).insertImage(QStringLiteral("pasted"));
    const RichDocument back = RtfDocumentAdapter::fromDocument(document);
    ASSERT_EQ(1u, back.paragraphs.size());
    ASSERT_EQ(1u, back.paragraphs[0].runs.size());
    const Image& stored = *back.paragraphs[0].runs[0].image;
    EXPECT_EQ(Image::Kind::Png, stored.kind);
    EXPECT_EQ(QSize(10, 20), QImage::fromData(stored.data, "PNG").size());
    EXPECT_EQ(QSize(150, 300), QSize(stored.widthTwips, stored.heightTwips));
}

// A PNG and a JPEG read from the stored text are drawn on the printed page at their size.
TEST_F(RtfDocumentAdapterTest, PicturesArePrinted) {
    RichDocument model;
    Paragraph& p = model.paragraphs.emplace_back();
    for (const auto& [kind, format, pixels] :
         {std::tuple(Image::Kind::Png, "PNG", QSize(30, 20)),
          std::tuple(Image::Kind::Jpeg, "JPEG", QSize(16, 40))}) {
        QImage picture(pixels, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        Image image;
        image.kind = kind;
        QBuffer buffer(&image.data);
        ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, format));
        appendImage(p, image);
    }
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("printed.pdf"));
    QFile out(pdf);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    PdfEntryPages pages(out, QStringLiteral("Pictures"), {});
    ASSERT_TRUE(pages.printEntry(RtfWriter::write(model), QStringLiteral("today")) &&
                pages.finish());
    out.close();
    EXPECT_EQ(pdfImageSizes(pdf.toStdString()),
              (std::vector<std::pair<int, int>>{{30, 20}, {16, 40}}));
}

// Stored text that is not RTF shows as it is; the block after a table that ends the entry is
// the document's until something is typed in it.
TEST_F(RtfDocumentAdapterTest, PlainTextShowsLiterallyAndTextTypedAfterAClosingTableIsKept) {
    QTextDocument document;
    RtfDocumentAdapter::setEntryText(document, " {\\rtf1 \\b not rtf}\r\nnext");
    EXPECT_EQ(QStringLiteral(" {\\rtf1 \\b not rtf}\nnext"), document.toPlainText());
    RtfDocumentAdapter::setEntryText(document,
                                     "{\\rtf1\\trowd\\cellx1500\\pard\\intbl a\\cell\\row}");
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("after"));
    EXPECT_TRUE(plainText(RtfDocumentAdapter::fromDocument(document)).endsWith(u"\nafter"));
}

// An entry with more character formats and paragraph layouts than any one screen holds,
// each used again after many others, goes through the document and back unchanged: formats
// shared between blocks and fragments are each read as their own.
TEST_F(RtfDocumentAdapterTest, ManyFormatsUsedInTurnComeBackUnchanged) {
    RichDocument model;
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 90; ++i) {
            Paragraph p;
            p.layout.leftIndent = 15 * (i % 80);
            p.layout.spaceAfter = i % 3 == 0 ? 120 : 0;
            p.alignment = i % 4 == 1 ? Alignment::Center : Alignment::Left;
            p.mark.face = QStringLiteral("Arial");
            for (int k = 0; k < 3; ++k) {
                CharFormat f = p.mark;
                f.halfPoints = 10 + (i + k) % 100;
                f.bold = k == 1;
                f.color = k == 2 ? std::optional<std::uint32_t>(0x102030 + i) : std::nullopt;
                appendText(p, f, QStringLiteral("w%1.%2 ").arg(i).arg(k));
            }
            model.paragraphs.push_back(std::move(p));
        }
    }
    QTextDocument document;
    RtfDocumentAdapter::toDocument(model, document);
    EXPECT_EQ(dumpDocument(model), dumpDocument(RtfDocumentAdapter::fromDocument(document)));
}

// A numbered list goes on below the items nested in it, also once written and read back.
TEST_F(RtfDocumentAdapterTest, NumbersGoOnBelowNestedItemsWhenReadBack) {
    QTextDocument document;
    QTextCursor c(&document);
    c.insertText(QStringLiteral("A"));
    QTextListFormat top;
    top.setStyle(QTextListFormat::ListDecimal);
    top.setIndent(1);
    QTextList* outer = c.createList(top);
    c.insertBlock();
    QTextListFormat sub = top;
    sub.setIndent(2);
    c.createList(sub);
    c.insertText(QStringLiteral("a1"));
    c.insertBlock();
    c.insertText(QStringLiteral("a2"));
    c.insertBlock();
    QTextBlockFormat plain = c.blockFormat();
    plain.setObjectIndex(-1);
    c.setBlockFormat(plain);
    outer->add(c.block());
    c.insertText(QStringLiteral("B"));
    EXPECT_EQ(outer->itemNumber(c.block()), 1);
    const std::string written = RtfDocumentAdapter::entryRtf(document);
    QTextDocument again;
    RtfDocumentAdapter::setEntryText(again, written);
    const QTextBlock b = again.lastBlock();
    ASSERT_TRUE(b.textList());
    EXPECT_EQ(b.textList()->itemNumber(b), 1) << written;
    EXPECT_EQ(b.textList()->itemText(b).toStdString(), "2.");
}
} // namespace
