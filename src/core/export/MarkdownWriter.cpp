#include "core/export/MarkdownWriter.h"

#include "core/export/BlockWalker.h"
#include "core/export/FieldLink.h"

#include <QStringList>
#include <QUrl>

#include <utility>

namespace {

using namespace richtext;

// Characters that are markup wherever they stand.
bool alwaysEscaped(QChar ch) {
    return QStringView(u"\\`*_[]<>~|&!").contains(ch);
}

// Characters that are markup at the start of a line: headings, quotes, list items, rules.
bool escapedAtLineStart(QChar ch) {
    return QStringView(u"#>+-=").contains(ch);
}

struct Emphasis {
    bool bold = false;
    bool italic = false;
    bool strike = false;
    friend bool operator==(const Emphasis&, const Emphasis&) = default;
};

QString markers(const Emphasis& emphasis) {
    QString m;
    if (emphasis.bold)
        m += QStringLiteral("**");
    if (emphasis.italic)
        m += u'*';
    if (emphasis.strike)
        m += QStringLiteral("~~");
    return m;
}

// Wraps the text in the markers; white space at either end stays outside them, where
// Markdown lets emphasis begin and end.
QString emphasised(const QString& text, const Emphasis& emphasis) {
    const QString open = markers(emphasis);
    if (open.isEmpty())
        return text;
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first].isSpace())
        ++first;
    while (last > first && text[last - 1].isSpace())
        --last;
    if (first == last)
        return text;
    QString close = open;
    std::reverse(close.begin(), close.end());
    return text.left(first) + open + text.mid(first, last - first) + close + text.mid(last);
}

QString dataUrl(const Image& image) {
    const char* type = image.kind == Image::Kind::Png ? "image/png" : "image/jpeg";
    return QStringLiteral("data:%1;base64,%2")
        .arg(QLatin1String(type), QString::fromLatin1(image.data.toBase64()));
}

QString paragraphMarkdown(const Paragraph& paragraph, const PictureLink& pictureLink) {
    QString out;
    QString pending;
    Emphasis current;
    QString openField;
    QString linkTarget;
    const auto flush = [&] {
        const bool lineStart = out.isEmpty() || out.back() == kLineBreak;
        out += emphasised(MarkdownWriter::escaped(pending, lineStart), current);
        pending.clear();
    };
    const auto closeLink = [&] {
        if (linkTarget.isEmpty())
            return;
        flush();
        out += QStringLiteral("](") +
               QString(linkTarget)
                   .replace(u')', QStringLiteral("%29"))
                   .replace(u' ', QStringLiteral("%20")) +
               u')';
        linkTarget.clear();
    };
    for (const Run& run : paragraph.runs) {
        if (run.format.field != openField) {
            closeLink();
            flush();
            openField = run.format.field;
            linkTarget = FieldLinkTarget(openField);
            if (!linkTarget.isEmpty())
                out += u'[';
        }
        if (run.image) {
            flush();
            out += QStringLiteral("![picture](%1)").arg(pictureLink(*run.image));
            continue;
        }
        const Emphasis emphasis{run.format.bold, run.format.italic, run.format.strike};
        if (emphasis != current) {
            flush();
            current = emphasis;
        }
        pending += run.text;
    }
    closeLink();
    flush();
    return out;
}

// A paragraph's Markdown with its line breaks spelled as "\" line ends, continuation lines
// indented by indent spaces.
QString withBreaks(const QString& text, int indent) {
    return QString(text).replace(kLineBreak, QStringLiteral("\\\n") + QString(indent, u' '));
}

class MarkdownBlocks : public BlockWalker {
public:
    explicit MarkdownBlocks(const PictureLink& pictureLink) : m_pictureLink(pictureLink) {}

    QString out;

protected:
    void paragraph(const Paragraph& p) override {
        const QString text = paragraphMarkdown(p, m_pictureLink);
        if (!text.trimmed().isEmpty()) // blank lines end paragraphs; an empty one has no form
            out += withBreaks(text, 0) + QStringLiteral("\n\n");
    }
    void beginList(const ListFormat& list) override {
        m_numbered = list.numbered();
        m_number = list.start;
    }
    void listItem(const Paragraph& p) override {
        const QString marker =
            m_numbered ? QStringLiteral("%1. ").arg(m_number++) : QStringLiteral("- ");
        out += marker + withBreaks(paragraphMarkdown(p, m_pictureLink), int(marker.size())) + u'\n';
    }
    void endList() override { out += u'\n'; }
    void beginTable() override { m_rows.clear(); }
    void beginRow() override { m_rows.emplace_back(); }
    void beginCell() override { m_rows.back().append(QString()); }
    void cellParagraph(const Paragraph& p, bool first) override {
        QString& cell = m_rows.back().back();
        if (!first)
            cell += u' ';
        // A table cell is one line in Markdown.
        cell += paragraphMarkdown(p, m_pictureLink).replace(kLineBreak, u' ');
    }
    void endCell() override {}
    void endRow() override {}
    void endTable() override {
        qsizetype columns = 1;
        for (const QStringList& row : m_rows)
            columns = std::max(columns, row.size());
        for (std::size_t r = 0; r < m_rows.size(); ++r) {
            QStringList cells = m_rows[r];
            while (cells.size() < columns)
                cells.append(QString());
            out +=
                QStringLiteral("| ") + cells.join(QStringLiteral(" | ")) + QStringLiteral(" |\n");
            // The first row heads the table: Markdown tables have a heading row.
            if (r == 0)
                out += QStringLiteral("|") + QStringLiteral(" --- |").repeated(columns) + u'\n';
        }
        out += u'\n';
        m_rows.clear();
    }

private:
    const PictureLink& m_pictureLink;
    bool m_numbered = false;
    int m_number = 1;
    std::vector<QStringList> m_rows;
};

} // namespace

QString MarkdownWriter::escaped(QStringView text, bool lineStart) {
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (lineStart && (ch == u' ' || ch == u'\t')) {
            // Indentation would make a code block; a character reference is just text.
            out += ch == u' ' ? QStringLiteral("&#32;") : QStringLiteral("&#9;");
            continue;
        }
        if (ch == kLineBreak || ch == u'\n' || ch == u'\r') {
            out += kLineBreak;
            lineStart = true;
            continue;
        }
        if (alwaysEscaped(ch) || (lineStart && escapedAtLineStart(ch)))
            out += u'\\';
        // "1." or "1)" at the start of a line would begin a numbered list.
        if (lineStart && ch.isDigit()) {
            qsizetype j = i;
            while (j < text.size() && text[j].isDigit())
                ++j;
            out += text.mid(i, j - i);
            if (j < text.size() && (text[j] == u'.' || text[j] == u')'))
                out += u'\\';
            i = j - 1;
            lineStart = false;
            continue;
        }
        out += ch;
        lineStart = false;
    }
    return out;
}

QString MarkdownWriter::body(const RichDocument& document, const PictureLink& pictureLink) {
    const PictureLink link = pictureLink ? pictureLink : PictureLink(dataUrl);
    MarkdownBlocks blocks(link);
    blocks.walk(document);
    return blocks.out;
}

MarkdownWriter::MarkdownWriter(bool embedPictures) : m_embedPictures(embedPictures) {}

void MarkdownWriter::setSideFilePrefix(const QString& prefix) {
    m_prefix = prefix;
    m_pictures = 0;
}

std::vector<SideFile> MarkdownWriter::takeSideFiles() {
    return std::exchange(m_sideFiles, {});
}

// The picture's file beside the document, linked by its relative path.
QString MarkdownWriter::pictureFile(const Image& image) {
    const QString path =
        QStringLiteral("%1%2.%3")
            .arg(m_prefix)
            .arg(++m_pictures)
            .arg(image.kind == Image::Kind::Png ? QStringLiteral("png") : QStringLiteral("jpg"));
    m_sideFiles.push_back({path, image.data});
    return QString::fromLatin1(QUrl::toPercentEncoding(path, QByteArrayLiteral("/")));
}

std::string MarkdownWriter::begin(const QString& title) {
    return (QStringLiteral("# ") + escaped(title) + QStringLiteral("\n\n")).toUtf8().toStdString();
}

std::string MarkdownWriter::entry(const ExportedEntry& entry) {
    QString out = QStringLiteral("## ") + escaped(entry.when) + QStringLiteral("\n\n");
    QStringList meta;
    for (const auto& [label, value] : HeadingValues(entry))
        meta += QStringLiteral("*%1:* %2").arg(QLatin1String(label), escaped(value));
    if (!meta.isEmpty())
        out += meta.join(QStringLiteral("\\\n")) + QStringLiteral("\n\n");
    if (m_embedPictures)
        out += body(entry.text);
    else
        out += body(entry.text, [this](const Image& image) { return pictureFile(image); });
    out += QStringLiteral("---\n\n");
    return out.toUtf8().toStdString();
}

std::string MarkdownWriter::end() {
    return {};
}
