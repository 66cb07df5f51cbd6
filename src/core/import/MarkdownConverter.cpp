#include "core/import/MarkdownConverter.h"

#include "core/import/ImportMessages.h"
#include "core/import/RichTextBuilder.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <cmark.h>
#include <memory>
#include <vector>

namespace {

// Stands for an unescaped "~~" while cmark, which has no strike-through, parses the text.
constexpr QChar kStrikeMark = QChar(0xE000);

QString markStrikes(const QString& markdown) {
    QString out;
    out.reserve(markdown.size());
    for (qsizetype i = 0; i < markdown.size(); ++i) {
        if (markdown[i] == u'\\' && i + 1 < markdown.size()) {
            out += markdown[i];
            out += markdown[++i];
        } else if (markdown[i] == u'~' && i + 1 < markdown.size() && markdown[i + 1] == u'~') {
            out += kStrikeMark;
            ++i;
        } else {
            out += markdown[i];
        }
    }
    return out;
}

QString unmarked(const char* literal) {
    return QString::fromUtf8(literal ? literal : "").replace(kStrikeMark, QStringLiteral("~~"));
}

class Converter {
public:
    Converter(const QDir& base, RichTextBuilder& out, QStringList& missing)
        : m_base(base), m_out(out), m_missing(missing) {}

    void enter(cmark_node* node) {
        switch (cmark_node_get_type(node)) {
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
            m_firstText = true;
            m_tableLines = false;
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
            if (m_tableLines)
                m_out.lineBreak();
            else
                m_out.append(u" ");
            break;
        case CMARK_NODE_LINEBREAK:
            m_out.lineBreak();
            break;
        case CMARK_NODE_CODE:
        case CMARK_NODE_HTML_INLINE:
            code(unmarked(cmark_node_get_literal(node)));
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
        switch (cmark_node_get_type(node)) {
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
            if (node == m_skipUntil)
                m_skipUntil = nullptr;
            m_out.format() = m_saved.back();
            m_saved.pop_back();
            break;
        default:
            break;
        }
    }

private:
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
        if (m_skipUntil)
            return;
        const QString literal = QString::fromUtf8(cmark_node_get_literal(node));
        if (m_firstText)
            m_tableLines = literal.startsWith(u'|');
        m_firstText = false;
        const QList<QStringView> parts = QStringView(literal).split(kStrikeMark);
        for (qsizetype i = 0; i < parts.size(); ++i) {
            if (i > 0)
                m_out.format().strike = !m_out.format().strike;
            m_out.append(parts[i]);
        }
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
        QString literal = unmarked(cmark_node_get_literal(node));
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
    bool m_firstText = false;
    bool m_tableLines = false; // a paragraph of table lines keeps its lines
};

} // namespace

void ConvertMarkdown(const QString& markdown, const QDir& pictureBase, RichTextBuilder& out,
                     QStringList& missing) {
    const QByteArray source = markStrikes(markdown).toUtf8();
    const std::unique_ptr<cmark_node, decltype(&cmark_node_free)> root(
        cmark_parse_document(source.constData(), std::size_t(source.size()), CMARK_OPT_DEFAULT),
        &cmark_node_free);
    const std::unique_ptr<cmark_iter, decltype(&cmark_iter_free)> iter(cmark_iter_new(root.get()),
                                                                       &cmark_iter_free);
    Converter converter(pictureBase, out, missing);
    for (cmark_event_type event; (event = cmark_iter_next(iter.get())) != CMARK_EVENT_DONE;) {
        cmark_node* node = cmark_iter_get_node(iter.get());
        if (event == CMARK_EVENT_ENTER)
            converter.enter(node);
        else
            converter.exit(node);
    }
}
