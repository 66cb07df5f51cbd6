// LibreOffice reads our RTF independently of our reader: its plain-text and flat-ODT
// conversions must show the text and formatting we wrote. Skipped when soffice is absent.

#include "richtext/ModelDump.h"
#include "richtext/PlainText.h"
#include "richtext/RtfWriter.h"
#include "support/FlatOdtReader.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace richtext;

namespace {

// A small valid PNG (solid grey), built by hand so the core tests need no image library.
QByteArray makePng(int width, int height) {
    auto chunk = [](const char* type, const QByteArray& data) {
        QByteArray body = QByteArray(type, 4) + data;
        quint32 crc = 0xFFFFFFFF;
        for (const char byte : body) {
            crc ^= static_cast<unsigned char>(byte);
            for (int k = 0; k < 8; ++k)
                crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320 : crc >> 1;
        }
        auto be32 = [](quint32 v) {
            const char bytes[] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
            return QByteArray(bytes, 4);
        };
        return be32(static_cast<quint32>(data.size())) + body + be32(crc ^ 0xFFFFFFFF);
    };
    QByteArray header;
    for (const quint32 v : {quint32(width), quint32(height)})
        header += QByteArray::fromHex(QByteArray::number(v, 16).rightJustified(8, '0'));
    header += QByteArray::fromHex("0800000000"); // 8-bit greyscale
    QByteArray rows;
    for (int y = 0; y < height; ++y)
        rows += char(0) + QByteArray(width, char(0x80));
    const QByteArray zlib = qCompress(rows).mid(4); // drop Qt's length prefix
    return QByteArray::fromHex("89504e470d0a1a0a") + chunk("IHDR", header) + chunk("IDAT", zlib) +
           chunk("IEND", {});
}

CharFormat fmt(const char* face, int halfPoints) {
    CharFormat f;
    f.face = QString::fromUtf8(face);
    f.halfPoints = halfPoints;
    return f;
}

RichDocument sample() {
    const CharFormat plain = fmt("Arial", 20);
    CharFormat bold = plain, italic = plain, underline = plain, strike = plain, red = plain;
    bold.bold = true;
    italic.italic = true;
    underline.underline = true;
    strike.strike = true;
    red.color = 0xC00000;
    CharFormat all = fmt("Courier New", 28);
    all.bold = all.italic = all.underline = true;
    all.color = 0x0070C0;

    RichDocument doc;
    Paragraph p1;
    appendText(p1, plain, u"Plain, ");
    appendText(p1, bold, u"bold");
    appendText(p1, plain, u", ");
    appendText(p1, italic, u"italic");
    appendText(p1, plain, u", ");
    appendText(p1, underline, u"underlined");
    appendText(p1, plain, u", ");
    appendText(p1, strike, u"struck");
    appendText(p1, plain, u", ");
    appendText(p1, red, u"red");
    appendText(p1, plain, u", ");
    appendText(p1, all, u"all at once");
    doc.paragraphs.push_back(p1);

    Paragraph p2;
    p2.alignment = Alignment::Center;
    appendText(p2, fmt("Times New Roman", 32),
               QString::fromUcs4(U"Caf\u00e9 \u20ac \u0142\u00f3d\u017a \u2603 \U0001F600 {x} \\"));
    doc.paragraphs.push_back(p2);

    Paragraph p3;
    p3.alignment = Alignment::Right;
    appendText(p3, plain, u"right\ttab\u2028next line");
    doc.paragraphs.push_back(p3);

    doc.paragraphs.push_back(Paragraph{}); // an empty line

    Paragraph p5;
    Image image;
    image.data = makePng(40, 30);
    image.widthPixels = 40;
    image.heightPixels = 30;
    image.widthTwips = 600;
    image.heightTwips = 450;
    appendImage(p5, image);
    appendText(p5, plain, u" after the picture");
    doc.paragraphs.push_back(p5);
    return doc;
}

// Lists in both numbering forms' \pn shape, a table and raised and lowered text.
RichDocument structuredSample() {
    const CharFormat plain = fmt("Arial", 20);
    CharFormat sub = plain, super = plain;
    sub.vertical = VerticalPosition::Subscript;
    super.vertical = VerticalPosition::Superscript;
    RichDocument doc;
    const auto paragraph =
        [&doc](std::initializer_list<std::pair<CharFormat, const char16_t*>> runs) {
            Paragraph p;
            for (const auto& [format, text] : runs)
                appendText(p, format, QStringView(text));
            doc.paragraphs.push_back(p);
            return &doc.paragraphs.back();
        };
    paragraph({{plain, u"Water is H"}, {sub, u"2"}, {plain, u"O, area is r"}, {super, u"2"}});
    ListFormat bullet;
    bullet.font = QStringLiteral("Symbol");
    bullet.before = QStringLiteral(u"\u00b7");
    ListFormat numbers;
    numbers.level = ListFormat::Level::Body;
    numbers.after = QStringLiteral(".");
    for (const char16_t* item : {u"apples", u"pears"})
        paragraph({{plain, item}})->layout.list = bullet;
    for (const char16_t* item : {u"first", u"second"})
        paragraph({{plain, item}})->layout.list = numbers;
    for (const char16_t* cell : {u"north", u"south"}) {
        Paragraph* p = paragraph({{plain, cell}});
        p->layout.tableLevel = 1;
        p->end = ParagraphEnd::Cell;
        if (cell[0] == u'n')
            p->tableWords = "\\trowd\\trgaph108\\cellx2000\\cellx4000";
    }
    Paragraph* row = paragraph({});
    row->layout.tableLevel = 1;
    row->end = ParagraphEnd::Row;
    paragraph({{plain, u"after"}});
    return doc;
}

QStringList words(const QString& text) {
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

class LibreOfficeOracle : public testing::Test {
protected:
    void SetUp() override {
        m_soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (m_soffice.isEmpty())
            GTEST_SKIP() << "soffice (LibreOffice) is not installed; the oracle test did not run";
        ASSERT_TRUE(m_dir.isValid());
        write(m_model);
    }

    void write(const RichDocument& model) {
        QFile rtf(m_dir.filePath(QStringLiteral("sample.rtf")));
        ASSERT_TRUE(rtf.open(QIODevice::WriteOnly));
        const std::string written = RtfWriter::write(model);
        rtf.write(written.data(), static_cast<qint64>(written.size()));
    }

    QByteArray convert(const QString& filter, const QString& extension) {
        QProcess process;
        process.start(m_soffice, {QStringLiteral("-env:UserInstallation=file://") +
                                      m_dir.filePath(QStringLiteral("profile")),
                                  QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                                  filter, QStringLiteral("--outdir"), m_dir.path(),
                                  m_dir.filePath(QStringLiteral("sample.rtf"))});
        EXPECT_TRUE(process.waitForFinished(180000)) << "soffice did not finish";
        QFile out(m_dir.filePath(QStringLiteral("sample.") + extension));
        EXPECT_TRUE(out.open(QIODevice::ReadOnly))
            << "no output: " << process.readAllStandardError().toStdString();
        return out.readAll();
    }

    RichDocument m_model = sample();
    QString m_soffice;
    QTemporaryDir m_dir;
};

TEST_F(LibreOfficeOracle, PlainTextMatches) {
    QString text = QString::fromUtf8(
        convert(QStringLiteral("txt:Text (encoded):UTF8"), QStringLiteral("txt")));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QString expected = plainText(m_model);
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(expected + u'\n', text);
}

// An independent reader shows the same words for lists, tables and raised or lowered text; it
// may add the list numbers and bullets, nothing else.
TEST_F(LibreOfficeOracle, ListsTablesAndRaisedTextReadTheSame) {
    const RichDocument model = structuredSample();
    write(model);
    QString text = QString::fromUtf8(
        convert(QStringLiteral("txt:Text (encoded):UTF8"), QStringLiteral("txt")));
    const QStringList theirs = words(text.remove(QChar(0xFEFF)));
    const QStringList ours = words(plainText(model));
    const QStringList labels = {QStringLiteral("1."), QStringLiteral("2."),
                                QStringLiteral(u"\u2022"), QStringLiteral(u"\u00b7")};
    qsizetype k = 0;
    for (const QString& word : theirs) {
        if (k < ours.size() && word == ours[k])
            ++k;
        else
            EXPECT_TRUE(labels.contains(word)) << "unexpected: " << word.toStdString();
    }
    EXPECT_EQ(ours.size(), k) << "oracle text: " << text.toStdString();
}

TEST_F(LibreOfficeOracle, FormattingMatches) {
    RichDocument seen = readFlatOdt(convert(QStringLiteral("fodt"), QStringLiteral("fodt")));
    ASSERT_EQ(m_model.paragraphs.size(), seen.paragraphs.size());
    for (size_t i = 0; i < seen.paragraphs.size(); ++i) {
        // Paragraph marks are not compared; picture sizes within a few twips of rounding.
        seen.paragraphs[i].mark = m_model.paragraphs[i].mark;
        for (size_t r = 0; r < seen.paragraphs[i].runs.size(); ++r) {
            auto& image = seen.paragraphs[i].runs[r].image;
            const auto& ours = r < m_model.paragraphs[i].runs.size()
                                   ? m_model.paragraphs[i].runs[r].image
                                   : std::nullopt;
            if (!image || !ours)
                continue;
            EXPECT_NEAR(ours->widthTwips, image->widthTwips, 3);
            EXPECT_NEAR(ours->heightTwips, image->heightTwips, 3);
            image->widthTwips = ours->widthTwips;
            image->heightTwips = ours->heightTwips;
            image->widthPixels = ours->widthPixels;
            image->heightPixels = ours->heightPixels;
        }
    }
    EXPECT_EQ(dumpDocument(m_model), dumpDocument(seen));
}

} // namespace
