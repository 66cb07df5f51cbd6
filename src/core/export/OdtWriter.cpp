#include "core/export/OdtWriter.h"

#include "core/export/BlockWalker.h"
#include "core/export/HtmlWriter.h"
#include "core/export/LinkMarkup.h"
#include "core/export/WhiteSpace.h"
#include "core/export/ZipWriter.h"

#include <QIODevice>

namespace {

using namespace richtext;

constexpr const char* kNamespaces =
    " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
    " xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\""
    " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
    " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
    " xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\""
    " xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\""
    " xmlns:svg=\"urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0\""
    " xmlns:xlink=\"http://www.w3.org/1999/xlink\""
    " xmlns:dc=\"http://purl.org/dc/elements/1.1/\""
    " office:version=\"1.2\"";

constexpr const char* kXmlDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

// The named styles: the headings the entries hang under, and the entries' detail lines.
constexpr const char* kStyles =
    "<office:styles>"
    "<style:default-style style:family=\"paragraph\">"
    "<style:text-properties fo:font-size=\"12pt\"/></style:default-style>"
    "<style:style style:name=\"Standard\" style:family=\"paragraph\" style:class=\"text\"/>"
    "<style:style style:name=\"Heading\" style:family=\"paragraph\" "
    "style:parent-style-name=\"Standard\" style:next-style-name=\"Standard\" "
    "style:class=\"text\"><style:paragraph-properties fo:margin-top=\"0.17in\" "
    "fo:margin-bottom=\"0.08in\" fo:keep-with-next=\"always\"/>"
    "<style:text-properties fo:font-weight=\"bold\"/></style:style>"
    "<style:style style:name=\"Heading_20_1\" style:display-name=\"Heading 1\" "
    "style:family=\"paragraph\" style:parent-style-name=\"Heading\" "
    "style:default-outline-level=\"1\" style:class=\"text\">"
    "<style:text-properties fo:font-size=\"18pt\"/></style:style>"
    "<style:style style:name=\"Heading_20_2\" style:display-name=\"Heading 2\" "
    "style:family=\"paragraph\" style:parent-style-name=\"Heading\" "
    "style:default-outline-level=\"2\" style:class=\"text\">"
    "<style:text-properties fo:font-size=\"14pt\"/></style:style>"
    "<style:style style:name=\"Entry_20_Details\" style:display-name=\"Entry Details\" "
    "style:family=\"paragraph\" style:parent-style-name=\"Standard\" style:class=\"text\">"
    "<style:paragraph-properties fo:margin-bottom=\"0.04in\"/>"
    "<style:text-properties fo:color=\"#555555\"/></style:style>"
    "<text:outline-style style:name=\"Outline\">"
    "<text:outline-level-style text:level=\"1\" style:num-format=\"\"/>"
    "<text:outline-level-style text:level=\"2\" style:num-format=\"\"/>"
    "</text:outline-style>"
    "</office:styles>";

constexpr const char* kManifest =
    "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" "
    "manifest:version=\"1.2\">"
    "<manifest:file-entry manifest:full-path=\"/\" manifest:version=\"1.2\" "
    "manifest:media-type=\"application/vnd.oasis.opendocument.text\"/>"
    "<manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>"
    "<manifest:file-entry manifest:full-path=\"styles.xml\" manifest:media-type=\"text/xml\"/>"
    "<manifest:file-entry manifest:full-path=\"meta.xml\" manifest:media-type=\"text/xml\"/>"
    "</manifest:manifest>";

const WhiteSpaceSpelling kOdtWhiteSpace{QStringLiteral("<text:s/>"), QStringLiteral("<text:tab/>"),
                                        QStringLiteral("<text:line-break/>")};

QString heading(int level, const QString& text) {
    return QStringLiteral("<text:h text:style-name=\"Heading_20_%1\" text:outline-level=\"%1\">"
                          "%2</text:h>\n")
        .arg(level)
        .arg(HtmlWriter::escaped(text));
}

// A picture's shown size: as the entry sizes it, else its own size at 96 pixels an inch.
QString length(int twips, int pixels) {
    const double inches = twips > 0 ? twips / 1440.0 : pixels > 0 ? pixels / 96.0 : 1.0;
    return QString::number(inches, 'f', 4) + QStringLiteral("in");
}

// Pictures go inline as binary data, so the text streams out without a second pass.
QString pictureFrame(const Image& image, int number) {
    return QStringLiteral("<draw:frame draw:name=\"Picture %1\" text:anchor-type=\"as-char\" "
                          "svg:width=\"%2\" svg:height=\"%3\"><draw:image><office:binary-data>"
                          "%4</office:binary-data></draw:image></draw:frame>")
        .arg(number)
        .arg(length(image.widthTwips, image.widthPixels),
             length(image.heightTwips, image.heightPixels),
             QString::fromLatin1(image.data.toBase64()));
}

class OdtBlocks : public BlockWalker {
public:
    OdtBlocks(OdtStyles& styles, int& tables, int& pictures)
        : m_styles(styles), m_tables(tables), m_pictures(pictures) {}

    QString out;

protected:
    void paragraph(const Paragraph& p) override { out += paragraphXml(p); }
    void beginList(const ListFormat& list) override {
        out += QStringLiteral("<text:list text:style-name=\"%1\">").arg(m_styles.listStyle(list));
        m_itemOpen = false;
    }
    void listItem(const Paragraph& p) override {
        // A paragraph without a number of its own continues the item before it.
        const bool continues = p.layout.list->level == ListFormat::Level::Continue;
        if (!continues || !m_itemOpen) {
            closeItem();
            out += QStringLiteral("<text:list-item>");
            m_itemOpen = true;
        }
        out += paragraphXml(p);
    }
    void endList() override {
        closeItem();
        out += QStringLiteral("</text:list>\n");
    }
    // A table names its columns before its rows: the rows wait until their count is known.
    void beginTable() override {
        m_table.clear();
        m_columns = 1;
    }
    void beginRow() override {
        m_table += QStringLiteral("<table:table-row>");
        m_cells = 0;
    }
    void beginCell() override {
        m_table += QStringLiteral("<table:table-cell table:style-name=\"%1\" "
                                  "office:value-type=\"string\">")
                       .arg(QLatin1String(OdtStyles::kCellStyle));
        m_columns = std::max(m_columns, ++m_cells);
    }
    void cellParagraph(const Paragraph& p, bool) override { m_table += paragraphXml(p); }
    void endCell() override { m_table += QStringLiteral("</table:table-cell>"); }
    void endRow() override { m_table += QStringLiteral("</table:table-row>"); }
    void endTable() override {
        out += QStringLiteral("<table:table table:name=\"Table%1\"><table:table-column "
                              "table:number-columns-repeated=\"%2\"/>%3</table:table>\n")
                   .arg(++m_tables)
                   .arg(m_columns)
                   .arg(m_table);
        m_table.clear();
    }

private:
    void closeItem() {
        if (m_itemOpen)
            out += QStringLiteral("</text:list-item>");
        m_itemOpen = false;
    }

    QString paragraphXml(const Paragraph& p) {
        QString runs;
        LinkMarkup links(QStringLiteral("<text:a xlink:type=\"simple\" xlink:href=\"%1\">"),
                         QStringLiteral("</text:a>"));
        bool afterSpace = true;
        for (const Run& run : p.runs) {
            runs += links.before(run.format.field);
            if (run.image) {
                runs += pictureFrame(*run.image, ++m_pictures);
                afterSpace = false;
                continue;
            }
            runs += QStringLiteral("<text:span text:style-name=\"%1\">%2</text:span>")
                        .arg(m_styles.textStyle(run.format),
                             SpelledWhiteSpace(HtmlWriter::escaped(run.text), afterSpace,
                                               kOdtWhiteSpace));
        }
        runs += links.end();
        return QStringLiteral("<text:p text:style-name=\"%1\">%2</text:p>\n")
            .arg(m_styles.paragraphStyle(p), runs);
    }

    OdtStyles& m_styles;
    int& m_tables;
    int& m_pictures;
    bool m_itemOpen = false;
    QString m_table;
    int m_columns = 1;
    int m_cells = 0;
};

} // namespace

std::string OdtWriter::begin(const QString& title) {
    m_title = title;
    return heading(1, title).toStdString();
}

std::string OdtWriter::entry(const ExportedEntry& entry) {
    QString out = heading(2, entry.when);
    for (const auto& [label, value] : HeadingValues(entry))
        out += QStringLiteral("<text:p text:style-name=\"Entry_20_Details\">%1: %2</text:p>\n")
                   .arg(HtmlWriter::escaped(HeadingLabel(label)), HtmlWriter::escaped(value));
    OdtBlocks blocks(m_styles, m_tables, m_pictures);
    blocks.walk(entry.text);
    out += blocks.out;
    return out.toUtf8().toStdString();
}

std::string OdtWriter::end() {
    return {};
}

bool OdtWriter::writePackage(QIODevice& body, QIODevice& out) {
    const auto open = [](const char* root) {
        return QByteArray(kXmlDeclaration) + "<office:" + root + kNamespaces + '>';
    };
    const auto whole = [&open](const char* root, const QString& inner) {
        return open(root) + inner.toUtf8() + "</office:" + root + '>';
    };
    ZipWriter zip(out);
    zip.addStored(QStringLiteral("mimetype"),
                  QByteArrayLiteral("application/vnd.oasis.opendocument.text"));
    bool ok = zip.begin(QStringLiteral("content.xml")) &&
              zip.write(open("document-content") + m_styles.fontFaces().toUtf8() +
                        m_styles.automaticStyles().toUtf8() + "<office:body><office:text>\n") &&
              body.seek(0);
    while (ok && !body.atEnd()) {
        const QByteArray piece = body.read(64 * 1024);
        ok = !piece.isEmpty() && zip.write(piece);
    }
    const QString meta = QStringLiteral("<office:meta><dc:title>%1</dc:title></office:meta>")
                             .arg(HtmlWriter::escaped(m_title));
    return ok && zip.write("</office:text></office:body></office:document-content>") && zip.end() &&
           zip.begin(QStringLiteral("styles.xml")) &&
           zip.write(whole("document-styles", QLatin1String(kStyles))) && zip.end() &&
           zip.begin(QStringLiteral("meta.xml")) && zip.write(whole("document-meta", meta)) &&
           zip.end() && zip.begin(QStringLiteral("META-INF/manifest.xml")) &&
           zip.write(QByteArray(kXmlDeclaration) + kManifest) && zip.end() && zip.finish();
}
