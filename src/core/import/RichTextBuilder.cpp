#include "core/import/RichTextBuilder.h"

#include "core/richtext/RtfWriter.h"

#include <algorithm>
#include <string>

namespace {

using namespace richtext;

constexpr int kIndentStep = 360; // a quarter inch, as the editor indents
constexpr int kTwipsPerPixel = 15;
constexpr int kTableWidth = 9360; // the line of a letter page with one-inch margins

// Width and height of a PNG or JPEG from its header; false for anything else.
bool pictureSize(const QByteArray& data, Image& image) {
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(data[i]); };
    if (data.startsWith("\x89PNG\r\n\x1a\n") && data.size() >= 24) {
        image.kind = Image::Kind::Png;
        image.widthPixels = (byte(16) << 24) | (byte(17) << 16) | (byte(18) << 8) | byte(19);
        image.heightPixels = (byte(20) << 24) | (byte(21) << 16) | (byte(22) << 8) | byte(23);
        return image.widthPixels > 0 && image.heightPixels > 0;
    }
    if (!data.startsWith("\xff\xd8"))
        return false;
    image.kind = Image::Kind::Jpeg;
    for (qsizetype i = 2; i + 9 < data.size();) {
        if (byte(i) != 0xff)
            return false;
        const unsigned marker = byte(i + 1);
        const int length = (byte(i + 2) << 8) | byte(i + 3);
        // Start-of-frame markers carry the size; C4, C8 and CC are other tables.
        if (marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 &&
            marker != 0xcc) {
            image.heightPixels = (byte(i + 5) << 8) | byte(i + 6);
            image.widthPixels = (byte(i + 7) << 8) | byte(i + 8);
            return image.widthPixels > 0 && image.heightPixels > 0;
        }
        i += 2 + length;
    }
    return false;
}

} // namespace

RichTextBuilder::RichTextBuilder(CharFormat base) : m_base(std::move(base)), m_format(m_base) {}

Paragraph& RichTextBuilder::current() {
    if (m_document.paragraphs.empty())
        startParagraph();
    return m_document.paragraphs.back();
}

void RichTextBuilder::startParagraph(int headingLevel) {
    Paragraph paragraph;
    paragraph.mark = m_base;
    paragraph.layout.leftIndent = m_quoteLevel * kIndentStep;
    m_format = m_base;
    if (headingLevel > 0) {
        static constexpr int kGrowth[] = {12, 8, 4, 2, 2, 2};
        m_format.bold = true;
        m_format.halfPoints += kGrowth[std::min(headingLevel, 6) - 1];
        paragraph.mark = m_format;
    }
    m_document.paragraphs.push_back(std::move(paragraph));
}

void RichTextBuilder::startListItem(int level, bool numbered, int start) {
    startParagraph();
    ListFormat list;
    if (numbered) {
        list.level = ListFormat::Level::Body;
        list.start = start;
        list.after = QStringLiteral(".");
    } else {
        // A bullet as the editor writes one: a middle dot in the Symbol font.
        list.font = QStringLiteral("Symbol");
        list.before = QStringLiteral(u"\u00b7");
    }
    list.indent = kIndentStep;
    ParagraphLayout& layout = m_document.paragraphs.back().layout;
    layout.leftIndent += std::max(level, 1) * kIndentStep;
    layout.firstIndent = -kIndentStep;
    layout.list = list;
}

void RichTextBuilder::startCell(Alignment alignment, bool header) {
    if (m_cells == 0)
        m_rowStart = m_document.paragraphs.size();
    ++m_cells;
    startParagraph();
    Paragraph& cell = m_document.paragraphs.back();
    cell.alignment = alignment;
    cell.end = ParagraphEnd::Cell;
    cell.layout.tableLevel = 1;
    m_format.bold = header;
}

void RichTextBuilder::endRow() {
    if (m_cells == 0)
        return;
    // The row's definition goes before its cells, as the writer puts it.
    std::string words = "\\trowd\\trgaph108";
    for (int c = 1; c <= m_cells; ++c)
        words += "\\cellx" + std::to_string(c * kTableWidth / m_cells);
    m_document.paragraphs[m_rowStart].tableWords = std::move(words);
    Paragraph end;
    end.mark = m_base;
    end.end = ParagraphEnd::Row;
    end.layout.tableLevel = 1;
    m_document.paragraphs.push_back(std::move(end));
    m_cells = 0;
}

void RichTextBuilder::append(QStringView text) {
    if (!text.isEmpty())
        appendText(current(), m_format, text);
}

void RichTextBuilder::lineBreak() {
    appendText(current(), m_format, QStringView(&kLineBreak, 1));
}

bool RichTextBuilder::picture(const QByteArray& data) {
    Image image;
    if (!pictureSize(data, image))
        return false;
    image.data = data;
    image.widthTwips = image.widthPixels * kTwipsPerPixel;
    image.heightTwips = image.heightPixels * kTwipsPerPixel;
    appendImage(current(), std::move(image));
    return true;
}

void RichTextBuilder::setLink(const QString& url) {
    m_format.field = QStringLiteral("HYPERLINK \"%1\"").arg(url);
}

std::string RichTextBuilder::rtf() const {
    RichDocument document = m_document;
    if (document.paragraphs.empty()) {
        document.paragraphs.emplace_back();
        document.paragraphs.back().mark = m_base;
    }
    return RtfWriter::write(document);
}
