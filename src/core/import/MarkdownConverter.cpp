#include "core/import/MarkdownConverter.h"

#include "core/import/ImportMessages.h"
#include "core/import/RichTextBuilder.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <cmark-gfm-core-extensions.h>
#include <cmark-gfm.h>
#include <memory>
#include <vector>

// The node types of cmark-gfm's extensions are set when the extensions register; the library
// exports them but no installed header declares them.
extern "C" {
extern cmark_node_type CMARK_NODE_TABLE;
extern cmark_node_type CMARK_NODE_TABLE_ROW;
extern cmark_node_type CMARK_NODE_TABLE_CELL;
extern cmark_node_type CMARK_NODE_STRIKETHROUGH;
}

namespace {

// GitHub's ~~strike-through~~ (a single ~ stays text, as before the extensions), tables and
// bare web addresses as links.
constexpr const char* kExtensions[] = {"table", "strikethrough", "autolink"};
constexpr int kOptions = CMARK_OPT_STRIKETHROUGH_DOUBLE_TILDE;

richtext::Alignment cellAlignment(std::uint8_t mark) {
    switch (mark) {
    case 'c':
        return richtext::Alignment::Center;
    case 'r':
        return richtext::Alignment::Right;
    default:
        return richtext::Alignment::Left;
    }
}

class Converter {
public:
    Converter(const QDir& base, RichTextBuilder& out, QStringList& missing)
        : m_base(base), m_out(out), m_missing(missing) {}

    void enter(cmark_node* node) {
        const cmark_node_type type = cmark_node_get_type(node);
        if (enterExtension(node, type))
            return;
        switch (type) {
        case CMARK_NODE_BLOCK_QUOTE:
            m_out.setQuoteLevel(++m_quotes);
            break;
        case CMARK_NODE_LIST:
            m_lists.push_back({cmark_node_get_list_type(node) == CMARK_ORDERED_LIST,
                               cmark_node_get_list_start(node)});
            break;
        case CMARK_NODE_ITEM:
            m_itemPending = true;
            break;
        case CMARK_NODE_PARAGRAPH:
            startBlock(0);
            break;
        case CMARK_NODE_HEADING:
            startBlock(cmark_node_get_heading_level(node));
            break;
        case CMARK_NODE_CODE_BLOCK:
        case CMARK_NODE_HTML_BLOCK:
            codeBlock(node);
            break;
        case CMARK_NODE_THEMATIC_BREAK:
            startBlock(0);
            break;
        case CMARK_NODE_TEXT:
            text(node);
            break;
        case CMARK_NODE_SOFTBREAK:
            m_out.append(u" ");
            break;
        case CMARK_NODE_LINEBREAK:
            m_out.lineBreak();
            break;
        case CMARK_NODE_CODE:
        case CMARK_NODE_HTML_INLINE:
            code(literalOf(node));
            break;
        case CMARK_NODE_EMPH:
            m_saved.push_back(m_out.format());
            m_out.format().italic = true;
            break;
        case CMARK_NODE_STRONG:
            m_saved.push_back(m_out.format());
            m_out.format().bold = true;
            break;
        case CMARK_NODE_LINK:
            m_saved.push_back(m_out.format());
            m_out.setLink(QString::fromUtf8(cmark_node_get_url(node)));
            break;
        case CMARK_NODE_IMAGE:
            m_saved.push_back(m_out.format());
            image(node);
            break;
        default:
            break;
        }
    }

    void exit(cmark_node* node) {
        const cmark_node_type type = cmark_node_get_type(node);
        if (type == CMARK_NODE_TABLE_ROW) {
            m_out.endRow();
            return;
        }
        if (type == CMARK_NODE_STRIKETHROUGH) {
            restoreFormat(node);
            return;
        }
        switch (type) {
        case CMARK_NODE_BLOCK_QUOTE:
            m_out.setQuoteLevel(--m_quotes);
            break;
        case CMARK_NODE_LIST:
            m_lists.pop_back();
            break;
        case CMARK_NODE_EMPH:
        case CMARK_NODE_STRONG:
        case CMARK_NODE_LINK:
        case CMARK_NODE_IMAGE:
            restoreFormat(node);
            break;
        default:
            break;
        }
    }

private:
    // False for the core's nodes.
    bool enterExtension(cmark_node* node, cmark_node_type type) {
        if (type == CMARK_NODE_STRIKETHROUGH) {
            m_saved.push_back(m_out.format());
            m_out.format().strike = true;
        } else if (type == CMARK_NODE_TABLE) {
            m_alignments = cmark_gfm_extensions_get_table_alignments(node);
            m_columns = cmark_gfm_extensions_get_table_columns(node);
        } else if (type == CMARK_NODE_TABLE_ROW) {
            m_header = cmark_gfm_extensions_get_table_row_is_header(node) != 0;
            m_column = 0;
        } else if (type == CMARK_NODE_TABLE_CELL) {
            const std::uint8_t mark =
                m_alignments && m_column < m_columns ? m_alignments[m_column] : 0;
            ++m_column;
            m_out.startCell(cellAlignment(mark), m_header);
        } else {
            return false;
        }
        return true;
    }

    void restoreFormat(cmark_node* node) {
        if (node == m_skipUntil)
            m_skipUntil = nullptr;
        m_out.format() = m_saved.back();
        m_saved.pop_back();
    }

    static QString literalOf(cmark_node* node) {
        const char* literal = cmark_node_get_literal(node);
        return QString::fromUtf8(literal ? literal : "");
    }

    struct List {
        bool numbered;
        int start;
    };

    void startBlock(int heading) {
        if (m_itemPending && !m_lists.empty() && heading == 0) {
            m_out.startListItem(int(m_lists.size()), m_lists.back().numbered, m_lists.back().start);
        } else {
            m_out.startParagraph(heading);
        }
        m_itemPending = false;
    }

    void text(cmark_node* node) {
        if (!m_skipUntil)
            m_out.append(literalOf(node));
    }

    void code(const QString& literal) {
        if (m_skipUntil)
            return;
        const richtext::CharFormat saved = m_out.format();
        m_out.format().face = QStringLiteral("Courier New");
        m_out.append(literal);
        m_out.format() = saved;
    }

    void codeBlock(cmark_node* node) {
        QString literal = literalOf(node);
        if (literal.endsWith(u'\n'))
            literal.chop(1);
        for (const QStringView line : QStringView(literal).split(u'\n')) {
            startBlock(0);
            code(line.toString());
        }
    }

    void image(cmark_node* node) {
        const QString url = QString::fromUtf8(cmark_node_get_url(node));
        QByteArray data;
        if (url.startsWith(QStringLiteral("data:image/"))) {
            const qsizetype comma = url.indexOf(u',');
            if (comma > 0 && url.left(comma).endsWith(QStringLiteral(";base64")))
                data = QByteArray::fromBase64(url.mid(comma + 1).toLatin1());
        } else if (!url.contains(QStringLiteral("://"))) {
            QFile file(m_base.filePath(QUrl::fromPercentEncoding(url.toUtf8())));
            if (QFileInfo(file).size() <= ImportMessages::kMaxFileBytes &&
                file.open(QIODevice::ReadOnly))
                data = file.readAll();
        }
        if (!data.isEmpty() && m_out.picture(data)) {
            m_skipUntil = node; // the alternative text is not shown beside the picture
            return;
        }
        m_missing << url.left(200);
        m_out.setLink(url);
    }

    const QDir& m_base;
    RichTextBuilder& m_out;
    QStringList& m_missing;
    std::vector<List> m_lists;
    std::vector<richtext::CharFormat> m_saved;
    cmark_node* m_skipUntil = nullptr;
    int m_quotes = 0;
    bool m_itemPending = false;
    const std::uint8_t* m_alignments = nullptr; // of the table's columns: 'l', 'c', 'r' or 0
    std::uint16_t m_columns = 0;
    std::uint16_t m_column = 0;
    bool m_header = false;
};

template <typename T, void (*Free)(T*)> struct Deleter {
    void operator()(T* p) const { Free(p); }
};

} // namespace

void ConvertMarkdown(const QString& markdown, const QDir& pictureBase, RichTextBuilder& out,
                     QStringList& missing) {
    // Registering is not safe to race; a function's static is set up once, whichever thread.
    static const bool registered = (cmark_gfm_core_extensions_ensure_registered(), true);
    (void)registered;
    const std::unique_ptr<cmark_parser, Deleter<cmark_parser, cmark_parser_free>> parser(
        cmark_parser_new(kOptions));
    for (const char* name : kExtensions)
        if (cmark_syntax_extension* extension = cmark_find_syntax_extension(name))
            cmark_parser_attach_syntax_extension(parser.get(), extension);
    const QByteArray source = markdown.toUtf8();
    cmark_parser_feed(parser.get(), source.constData(), std::size_t(source.size()));
    const std::unique_ptr<cmark_node, Deleter<cmark_node, cmark_node_free>> root(
        cmark_parser_finish(parser.get()));
    const std::unique_ptr<cmark_iter, Deleter<cmark_iter, cmark_iter_free>> iter(
        cmark_iter_new(root.get()));
    Converter converter(pictureBase, out, missing);
    for (cmark_event_type event; (event = cmark_iter_next(iter.get())) != CMARK_EVENT_DONE;) {
        cmark_node* node = cmark_iter_get_node(iter.get());
        if (event == CMARK_EVENT_ENTER)
            converter.enter(node);
        else
            converter.exit(node);
    }
}
