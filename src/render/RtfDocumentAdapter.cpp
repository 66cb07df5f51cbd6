#include "render/RtfDocumentAdapter.h"

#include "core/richtext/PlainText.h"
#include "core/richtext/RtfReader.h"
#include "core/richtext/RtfTokenizer.h"
#include "core/richtext/RtfWriter.h"
#include "render/RtfTextFormats.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFont>
#include <QImage>
#include <QSize>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextImageFormat>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

#include <unordered_map>

using namespace richtext;
using namespace RtfTextFormats;

namespace {

// Image-format properties that carry a picture's file and RTF sizes through the document.
enum ImageProperty {
    kImageData = QTextFormat::UserProperty + 1,
    kImageKind,
    kImageWidthPixels,
    kImageHeightPixels,
    kImageWidthTwips,
    kImageHeightTwips,
};

constexpr int kMaxColumns = 63;
constexpr char kListTablesProperty[] =
    "quillbookListTables"; // the most cells the Windows control puts in a row

void insertImage(QTextCursor& cursor, QTextDocument& document, const Image& image,
                 const QUrl& name) {
    document.addResource(
        QTextDocument::ImageResource, name,
        QImage::fromData(image.data, image.kind == Image::Kind::Png ? "PNG" : "JPEG"));
    QTextImageFormat f;
    f.setName(name.toString());
    const double width =
        image.widthTwips > 0 ? image.widthTwips / kTwipsPerPixel : image.widthPixels;
    const double height =
        image.heightTwips > 0 ? image.heightTwips / kTwipsPerPixel : image.heightPixels;
    if (width > 0 && height > 0) {
        f.setWidth(width);
        f.setHeight(height);
    }
    f.setProperty(kImageData, image.data);
    f.setProperty(kImageKind, image.kind == Image::Kind::Png ? 0 : 1);
    f.setProperty(kImageWidthPixels, image.widthPixels);
    f.setProperty(kImageHeightPixels, image.heightPixels);
    f.setProperty(kImageWidthTwips, image.widthTwips);
    f.setProperty(kImageHeightTwips, image.heightTwips);
    cursor.insertImage(f);
}

// A picture of the document: the bytes it came with, or a pasted image encoded as PNG.
Image fromImageFormat(const QTextImageFormat& f, const QTextDocument& document) {
    Image image;
    if (f.hasProperty(kImageData)) {
        image.data = f.property(kImageData).toByteArray();
        image.kind = f.intProperty(kImageKind) == 1 ? Image::Kind::Jpeg : Image::Kind::Png;
        image.widthPixels = f.intProperty(kImageWidthPixels);
        image.heightPixels = f.intProperty(kImageHeightPixels);
        image.widthTwips = f.intProperty(kImageWidthTwips);
        image.heightTwips = f.intProperty(kImageHeightTwips);
        return image;
    }
    const QImage picture =
        document.resource(QTextDocument::ImageResource, QUrl(f.name())).value<QImage>();
    QBuffer buffer(&image.data);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    image.widthPixels = picture.width();
    image.heightPixels = picture.height();
    const double width = f.width() > 0 ? f.width() : picture.width();
    const double height = f.height() > 0 ? f.height() : picture.height();
    image.widthTwips = qRound(width * kTwipsPerPixel);
    image.heightTwips = qRound(height * kTwipsPerPixel);
    return image;
}

// One table row of the model: its cells (ranges of paragraphs) and the paragraph ending it.
struct RowSpan {
    std::vector<std::pair<size_t, size_t>> cells; // [first, last] paragraph of each cell
    size_t end = 0;
};

bool isRowEnd(const Paragraph& p) {
    return p.end == ParagraphEnd::Row && p.layout.tableLevel <= 1;
}

// The row starting at paragraph i, when the paragraphs there form one the document can show
// as a table row: cells at level 1 (nested tables inside are shown as their paragraphs) and
// an empty row end.
std::optional<RowSpan> rowAt(const std::vector<Paragraph>& paragraphs, size_t i) {
    RowSpan row;
    size_t start = i;
    for (; i < paragraphs.size(); ++i) {
        const Paragraph& p = paragraphs[i];
        if (p.layout.tableLevel < 1)
            return std::nullopt;
        if (isRowEnd(p)) {
            if (i != start || row.cells.empty() || !p.runs.empty() || p.layout.tableLevel != 1)
                return std::nullopt;
            row.end = i;
            return row;
        }
        if (p.end == ParagraphEnd::Cell && p.layout.tableLevel == 1) {
            if (row.cells.size() == kMaxColumns)
                return std::nullopt;
            row.cells.emplace_back(start, i);
            start = i + 1;
        }
    }
    return std::nullopt;
}

// Cell right edges (\cellx) and the row's left edge (\trleft) after the row's definition words.
struct RowGeometry {
    std::vector<int> edges;
    int left = 0;

    void apply(const std::string& words) {
        RtfTokenizer tokens(words);
        for (RtfToken t = tokens.next(); t.type != RtfToken::End; t = tokens.next()) {
            if (t.type != RtfToken::Word)
                continue;
            if (t.word == "trowd") {
                edges.clear();
                left = 0;
            } else if (t.word == "cellx") {
                edges.push_back(t.param);
            } else if (t.word == "trleft") {
                left = t.param;
            }
        }
    }
};

class DocumentBuilder {
public:
    DocumentBuilder(const RichDocument& model, QTextDocument& document)
        : m_model(model), m_document(document), m_cursor(&document) {}

    void build();

private:
    void paragraph(const Paragraph& p, bool inCell);
    void runs(const Paragraph& p);
    size_t table(size_t first);
    const QTextCharFormat& charFormat(const CharFormat& format);
    const QTextBlockFormat& blockFormat(const Paragraph& p);

    const RichDocument& m_model;
    QTextDocument& m_document;
    QTextCursor m_cursor;
    bool m_reuseBlock = true; // the cursor's block is empty and still unused
    int m_imageIndex = 0;
    std::vector<QTextList*> m_lists; // the open list of each nesting depth

    RowGeometry m_geometry;
    // The formats made so far: an entry uses a few over and over, and the document finds a
    // format it holds at once when it is the same format object.
    std::vector<std::pair<CharFormat, QTextCharFormat>> m_charFormats;
    std::vector<std::pair<Paragraph, QTextBlockFormat>> m_blockFormats; // key without runs
};

constexpr size_t kMaxFormatsKept = 64;

bool sameBlockFormat(const Paragraph& a, const Paragraph& b) {
    return a.alignment == b.alignment && a.end == b.end && a.layout == b.layout &&
           a.tableWords == b.tableWords;
}

const QTextCharFormat& DocumentBuilder::charFormat(const CharFormat& format) {
    for (auto it = m_charFormats.rbegin(); it != m_charFormats.rend(); ++it) {
        if (it->first == format)
            return it->second;
    }
    if (m_charFormats.size() == kMaxFormatsKept)
        m_charFormats.clear();
    return m_charFormats.emplace_back(format, toCharFormat(format)).second;
}

const QTextBlockFormat& DocumentBuilder::blockFormat(const Paragraph& p) {
    for (auto it = m_blockFormats.rbegin(); it != m_blockFormats.rend(); ++it) {
        if (sameBlockFormat(it->first, p))
            return it->second;
    }
    if (m_blockFormats.size() == kMaxFormatsKept)
        m_blockFormats.clear();
    Paragraph key;
    key.alignment = p.alignment;
    key.end = p.end;
    key.layout = p.layout;
    key.tableWords = p.tableWords;
    return m_blockFormats.emplace_back(std::move(key), toBlockFormat(p)).second;
}

void DocumentBuilder::build() {
    m_cursor.beginEditBlock();
    const auto& paragraphs = m_model.paragraphs;
    for (size_t i = 0; i < paragraphs.size();) {
        if (rowAt(paragraphs, i)) {
            i = table(i);
            continue;
        }
        m_geometry.apply(paragraphs[i].tableWords);
        paragraph(paragraphs[i], false);
        ++i;
    }
    m_cursor.endEditBlock();
}

void DocumentBuilder::paragraph(const Paragraph& p, bool inCell) {
    const QTextBlockFormat& block = blockFormat(p);
    const QTextCharFormat& mark = charFormat(p.mark);
    if (std::exchange(m_reuseBlock, false) || inCell) {
        m_cursor.setBlockFormat(block);
        m_cursor.setBlockCharFormat(mark);
    } else {
        m_cursor.insertBlock(block, mark);
    }
    const auto& list = p.layout.list;
    if (list && list->level != ListFormat::Level::Continue) {
        const QTextListFormat format = toListFormat(*list, p.layout.listLevel);
        // A list goes on below the items nested in it.
        const size_t depth = static_cast<size_t>(std::max(1, format.indent()));
        m_lists.resize(depth);
        QTextList*& same = m_lists[depth - 1];
        if (same && same->format() == format)
            same->add(m_cursor.block());
        else
            same = m_cursor.createList(format);
    } else {
        m_lists.clear();
    }
    runs(p);
}

void DocumentBuilder::runs(const Paragraph& p) {
    for (const Run& run : p.runs) {
        if (run.image)
            insertImage(m_cursor, m_document, *run.image,
                        QUrl(QStringLiteral("quillbook-image:%1").arg(m_imageIndex++)));
        else
            m_cursor.insertText(run.text, charFormat(run.format));
    }
}

// Shows the rows from paragraph first on as one table; returns the paragraph after them.
size_t DocumentBuilder::table(size_t first) {
    const auto& paragraphs = m_model.paragraphs;
    std::vector<RowSpan> rows;
    size_t next = first;
    while (const auto row = rowAt(paragraphs, next)) {
        rows.push_back(*row);
        next = row->end + 1;
    }
    int columns = 1;
    for (const RowSpan& row : rows)
        columns = std::max(columns, static_cast<int>(row.cells.size()));

    // Column widths from the first row's definition.
    RowGeometry geometry = m_geometry;
    for (size_t i = first; i <= rows.front().end; ++i)
        geometry.apply(paragraphs[i].tableWords);
    QTextTableFormat format;
    format.setCellPadding(3);
    format.setCellSpacing(0);
    format.setBorder(1);
    format.setBorderCollapse(true);
    if (geometry.edges.size() == static_cast<size_t>(columns)) {
        QList<QTextLength> widths;
        int left = geometry.left;
        for (const int edge : geometry.edges) {
            widths.append(
                QTextLength(QTextLength::FixedLength, std::max(1, edge - left) / kTwipsPerPixel));
            left = edge;
        }
        format.setColumnWidthConstraints(widths);
    }
    // The table goes after the cursor's block; an unused one stays empty before it.
    m_reuseBlock = false;
    m_lists.clear();
    QTextTable* table = m_cursor.insertTable(static_cast<int>(rows.size()), columns, format);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const RowSpan& row = rows[static_cast<size_t>(r)];
        const int cells = static_cast<int>(row.cells.size());
        if (cells < columns)
            table->mergeCells(r, cells - 1, 1, columns - cells + 1); // the last cell fills the row
        for (int c = 0; c < cells; ++c) {
            QTextTableCell cell = table->cellAt(r, c);
            m_cursor = cell.firstCursorPosition();
            m_lists.clear();
            const auto [from, to] = row.cells[static_cast<size_t>(c)];
            for (size_t i = from; i <= to; ++i) {
                m_geometry.apply(paragraphs[i].tableWords);
                paragraph(paragraphs[i], i == from);
            }
        }
        // The row end holds no text; it rides on the row's first cell.
        const Paragraph& end = paragraphs[row.end];
        m_geometry.apply(end.tableWords);
        QTextTableCellFormat cellFormat = table->cellAt(r, 0).format().toTableCellFormat();
        cellFormat.setProperty(kCarriedRowEnd, QVariant::fromValue(end));
        table->cellAt(r, 0).setFormat(cellFormat);
    }
    m_cursor.movePosition(QTextCursor::End);
    m_reuseBlock = true;
    m_lists.clear();
    return next;
}

class ModelBuilder {
public:
    explicit ModelBuilder(const QTextDocument& document)
        : m_document(document), m_fallback(document.defaultFont()) {}

    RichDocument build();

private:
    Paragraph paragraph(const QTextBlock& block);
    void table(QTextTable& table);
    Paragraph rowEnd(const QTextTableCell& first, int columns);
    struct ReadFormat {
        CharFormat format;
        bool image = false;
    };
    template <typename Format> const ReadFormat& charFormat(int index, const Format& format);
    const Paragraph& blockProperties(const QTextBlock& block);
    const ListFormat& listFormat(const QTextList& list);

    const QTextDocument& m_document;
    const QFont m_fallback;
    RichDocument m_model;
    // What each of the document's formats reads as, by the document's format index: an
    // entry's blocks and fragments share a few formats.
    std::unordered_map<int, ReadFormat> m_charFormats;
    std::unordered_map<int, Paragraph> m_blockProperties; // without runs and mark
    std::unordered_map<int, ListFormat> m_listFormats;
};

// format: gives the QTextCharFormat when the index is not read yet.
template <typename Format>
const ModelBuilder::ReadFormat& ModelBuilder::charFormat(int index, const Format& format) {
    auto it = m_charFormats.find(index);
    if (it == m_charFormats.end()) {
        const QTextCharFormat f = format();
        it = m_charFormats
                 .emplace(index, ReadFormat{fromCharFormat(f, m_fallback), f.isImageFormat()})
                 .first;
    }
    return it->second;
}

// Alignment, layout (the list as carried), end and row words of the block's format.
const Paragraph& ModelBuilder::blockProperties(const QTextBlock& block) {
    auto it = m_blockProperties.find(block.blockFormatIndex());
    if (it != m_blockProperties.end())
        return it->second;
    Paragraph p;
    const QTextBlockFormat format = block.blockFormat();
    if (format.hasProperty(kCarriedParagraph))
        p.layout.list = format.property(kCarriedParagraph).value<Paragraph>().layout.list;
    fromBlockFormat(format, p);
    return m_blockProperties.emplace(block.blockFormatIndex(), std::move(p)).first->second;
}

const ListFormat& ModelBuilder::listFormat(const QTextList& list) {
    auto it = m_listFormats.find(list.formatIndex());
    if (it == m_listFormats.end())
        it = m_listFormats.emplace(list.formatIndex(), fromListFormat(list.format())).first;
    return it->second;
}

RichDocument ModelBuilder::build() {
    QTextFrame* root = m_document.rootFrame();
    // The document keeps an empty block before a table at its start and after one at its
    // end; those blocks are the document's, not the entry's.
    std::vector<QTextFrame::iterator> items;
    for (auto it = root->begin(); !it.atEnd(); ++it)
        items.push_back(it);
    for (size_t k = 0; k < items.size(); ++k) {
        const QTextFrame::iterator& it = items[k];
        if (QTextFrame* frame = it.currentFrame()) {
            if (auto* t = qobject_cast<QTextTable*>(frame))
                table(*t);
            continue;
        }
        const QTextBlock block = it.currentBlock();
        const bool padding = block.length() <= 1 &&
                             !block.blockFormat().hasProperty(kCarriedParagraph) &&
                             ((k == 0 && k + 1 < items.size() && items[k + 1].currentFrame()) ||
                              (k + 1 == items.size() && k > 0 && items[k - 1].currentFrame()));
        if (!padding)
            m_model.paragraphs.push_back(paragraph(block));
    }
    return std::move(m_model);
}

Paragraph ModelBuilder::paragraph(const QTextBlock& block) {
    const Paragraph& properties = blockProperties(block);
    Paragraph p;
    p.alignment = properties.alignment;
    p.layout = properties.layout;
    p.end = properties.end;
    p.tableWords = properties.tableWords;
    p.mark = charFormat(block.charFormatIndex(), [&] { return block.charFormat(); }).format;
    if (const QTextList* list = block.textList()) {
        p.layout.list = listFormat(*list);
        if (p.layout.list->level != ListFormat::Level::Outline)
            p.layout.listLevel = std::max(0, list->format().indent() - 1);
    } else if (p.layout.list && p.layout.list->level != ListFormat::Level::Continue)
        p.layout.list.reset(); // taken out of its list
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const auto format = [&] { return fragment.charFormat(); };
        const ReadFormat& read = charFormat(fragment.charFormatIndex(), format);
        if (!read.image) {
            appendText(p, read.format, fragment.text());
            continue;
        }
        // Equal pictures side by side share one fragment: one object character each.
        const QTextCharFormat f = fragment.charFormat();
        const Image image = fromImageFormat(f.toImageFormat(), m_document);
        for (qsizetype i = 0; i < fragment.length(); ++i)
            appendImage(p, image);
    }
    return p;
}

void ModelBuilder::table(QTextTable& t) {
    for (int r = 0; r < t.rows(); ++r) {
        int cells = 0;
        for (int c = 0; c < t.columns(); ++c) {
            const QTextTableCell cell = t.cellAt(r, c);
            if (cell.row() != r || cell.column() != c)
                continue; // covered by a merged cell
            ++cells;
            const size_t first = m_model.paragraphs.size();
            for (auto it = cell.begin(); !it.atEnd(); ++it) {
                if (it.currentFrame())
                    continue; // tables the document nests are not ours to write
                Paragraph p = paragraph(it.currentBlock());
                p.layout.tableLevel = std::max(p.layout.tableLevel, 1);
                if (p.end == ParagraphEnd::Cell && p.layout.tableLevel == 1)
                    p.end = ParagraphEnd::Paragraph; // a cell's last paragraph ends it below
                m_model.paragraphs.push_back(std::move(p));
            }
            if (m_model.paragraphs.size() == first) {
                Paragraph empty;
                empty.layout.tableLevel = 1;
                m_model.paragraphs.push_back(std::move(empty));
            }
            Paragraph& last = m_model.paragraphs.back();
            last.end = ParagraphEnd::Cell;
            last.layout.tableLevel = 1;
        }
        m_model.paragraphs.push_back(rowEnd(t.cellAt(r, 0), cells));
    }
}

// The paragraph that ends a row: as read, or for a row added in the editor, one whose
// definition gives the row its cells.
Paragraph ModelBuilder::rowEnd(const QTextTableCell& first, int cells) {
    const QTextTableCellFormat format = first.format().toTableCellFormat();
    if (format.hasProperty(kCarriedRowEnd))
        return format.property(kCarriedRowEnd).value<Paragraph>();
    Paragraph end;
    end.end = ParagraphEnd::Row;
    end.layout.tableLevel = 1;
    end.tableWords = "\\trowd\\trgaph108";
    for (int c = 1; c <= cells; ++c)
        end.tableWords += "\\cellx" + std::to_string(c * 1440);
    return end;
}

} // namespace

void RtfDocumentAdapter::toDocument(const RichDocument& model, QTextDocument& document) {
    document.clear();
    // Text the document leaves unformatted (pasted, or typed after a list) is in the entry's
    // own face and size, not the widget's.
    if (!model.paragraphs.empty() && !model.paragraphs.front().mark.face.isEmpty()) {
        QFont font(model.paragraphs.front().mark.face);
        font.setPointSizeF(model.paragraphs.front().mark.halfPoints / 2.0);
        document.setDefaultFont(font);
    }
    document.setProperty(kListTablesProperty,
                         QStringList{QString::fromStdString(model.listTable),
                                     QString::fromStdString(model.listOverrideTable)});
    DocumentBuilder(model, document).build();
}

RichDocument RtfDocumentAdapter::fromDocument(const QTextDocument& document) {
    RichDocument model = ModelBuilder(document).build();
    // The document-wide list tables ride on the document itself.
    const QVariant tables = document.property(kListTablesProperty);
    if (tables.isValid()) {
        const QStringList both = tables.toStringList();
        model.listTable = both.value(0).toStdString();
        model.listOverrideTable = both.value(1).toStdString();
    }
    return model;
}

void RtfDocumentAdapter::setEntryText(QTextDocument& document, std::string_view storedText) {
    toDocument(RtfReader::isRtf(storedText) ? RtfReader::read(storedText)
                                            : documentFromPlainText(storedText),
               document);
}

std::string RtfDocumentAdapter::entryRtf(const QTextDocument& document) {
    return RtfWriter::write(fromDocument(document));
}

void RtfDocumentAdapter::insertPicture(QTextCursor& cursor, const Image& image) {
    // Named by its bytes: names of pictures read with the text are numbered from the start,
    // and an inserted one must not take the place of one of them.
    const QByteArray digest = QCryptographicHash::hash(image.data, QCryptographicHash::Sha1);
    insertImage(cursor, *cursor.document(), image,
                QUrl(QStringLiteral("quillbook-picture:") + QString::fromLatin1(digest.toHex())));
}

void RtfDocumentAdapter::resizePicture(QTextCursor& picture, QSize shownPixels) {
    QTextImageFormat f;
    f.setWidth(shownPixels.width());
    f.setHeight(shownPixels.height());
    f.setProperty(kImageWidthTwips, qRound(shownPixels.width() * kTwipsPerPixel));
    f.setProperty(kImageHeightTwips, qRound(shownPixels.height() * kTwipsPerPixel));
    picture.mergeCharFormat(f);
}
