#include "core/export/TextWriter.h"

#include "core/export/BlockWalker.h"
#include "core/richtext/ListNumbering.h"

#include <algorithm>
#include <vector>

namespace {

using namespace richtext;

constexpr int kDeepestLevel = 8;
constexpr int kTwipsPerLevel = 720; // the half inch a list level is indented by

QString unixLines(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

QString metaLine(const char* label, const QString& value) {
    return HeadingLabel(label) + QStringLiteral(": ") + unixLines(value) + u'\n';
}

// A paragraph's words, line breaks as line ends; pictures have no text form.
QString paragraphText(const Paragraph& paragraph) {
    QString out;
    for (const Run& run : paragraph.runs)
        out += run.text;
    return unixLines(out.replace(kLineBreak, u'\n'));
}

// How deep a list paragraph is nested: its outline level, its list level, or failing both
// how far its indent goes.
int listDepth(const Paragraph& paragraph) {
    const ListFormat& list = *paragraph.layout.list;
    int depth = (paragraph.layout.leftIndent - 1) / kTwipsPerLevel;
    if (list.level == ListFormat::Level::Outline && list.outlineLevel > 0)
        depth = list.outlineLevel - 1;
    else if (paragraph.layout.listLevel > 0)
        depth = paragraph.layout.listLevel;
    return std::clamp(depth, 0, kDeepestLevel);
}

// Paragraphs one to a line; list items behind their marker ("• ", "1. "), indented by level;
// a row's cells on one line between tabs.
class TextBlocks : public BlockWalker {
public:
    QString out;

protected:
    void paragraph(const Paragraph& p) override { line(paragraphText(p)); }
    void beginList(const ListFormat&) override { m_numbers.assign(kDeepestLevel + 1, 0); }
    void listItem(const Paragraph& p) override {
        const ListFormat& list = *p.layout.list;
        const int depth = listDepth(p);
        QString marker;
        if (list.level == ListFormat::Level::Bullet) {
            marker = QStringLiteral("\u2022 ");
        } else if (list.numbered()) {
            // A shallower item starts the deeper levels' numbering afresh.
            std::fill(m_numbers.begin() + depth + 1, m_numbers.end(), 0);
            long long& number = m_numbers[std::size_t(depth)];
            number = number == 0 ? list.start : number + 1;
            const QString after = list.after.trimmed();
            marker = list.before.trimmed() + listNumberText(list.style, number) +
                     (after.isEmpty() ? QStringLiteral(".") : after) + u' ';
        }
        const QString indent(2 * depth, u' ');
        // Continuation lines line up with the item's text.
        const QString hanging = u'\n' + indent + QString(marker.size(), u' ');
        line(indent + marker + paragraphText(p).replace(u'\n', hanging));
    }
    void endList() override {}
    void beginTable() override {}
    void beginRow() override { m_row.clear(); }
    void beginCell() override {}
    void cellParagraph(const Paragraph& p, bool first) override {
        if (!first)
            m_row += u' ';
        m_row += paragraphText(p).replace(u'\n', u' ');
    }
    void endCell() override { m_row += u'\t'; }
    void endRow() override {
        if (m_row.endsWith(u'\t'))
            m_row.chop(1);
        line(m_row);
    }
    void endTable() override {}

private:
    void line(const QString& text) {
        if (m_lines++ > 0)
            out += u'\n';
        out += text;
    }

    int m_lines = 0;
    std::vector<long long> m_numbers;
    QString m_row;
};

} // namespace

QString TextWriter::body(const RichDocument& document) {
    TextBlocks blocks;
    blocks.walk(document);
    return blocks.out;
}

std::string TextWriter::begin(const QString& title) {
    return (title + QStringLiteral("\n\n")).toUtf8().toStdString();
}

std::string TextWriter::entry(const ExportedEntry& entry) {
    QString out = entry.when + u'\n';
    for (const auto& [label, value] : HeadingValues(entry))
        out += metaLine(label, value);
    out += u'\n' + body(entry.text);
    out += QStringLiteral("\n\n") + QString(40, u'-') + QStringLiteral("\n\n");
    return out.toUtf8().toStdString();
}

std::string TextWriter::end() {
    return {};
}
