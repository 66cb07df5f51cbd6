#include "core/richtext/RtfWriter.h"

#include "core/platform/TextEncoding.h"
#include "core/richtext/ListNumbering.h"
#include "core/richtext/RtfParagraphWords.h"

#include <QHash>

namespace richtext {

namespace {

constexpr int kHexPerLine = 128;

// Numbers table entries in order of first use; a hash keeps documents with many fonts or
// colours linear.
template <typename T> class Table {
public:
    int indexOf(const T& value) {
        const auto it = m_index.constFind(value);
        if (it != m_index.constEnd())
            return *it;
        const int index = static_cast<int>(m_entries.size());
        m_index.insert(value, index);
        m_entries.push_back(value);
        return index;
    }
    const std::vector<T>& entries() const { return m_entries; }

private:
    std::vector<T> m_entries;
    QHash<T, int> m_index;
};

class Writer {
public:
    explicit Writer(const RichDocument& document) : m_document(document) {}

    std::string run();

private:
    void collectTables();
    void word(std::string_view name);
    void word(std::string_view name, long long param);
    void paragraph(const Paragraph& paragraph, const Paragraph* previous, long long number);
    void runs(const Paragraph& paragraph);
    void numbering(const ListFormat& list, long long number, bool group);
    void paragraphEnd(const Paragraph& paragraph);
    void formatDelta(const CharFormat& format);
    void text(QStringView text);
    void image(const Image& image);
    void hexByte(unsigned char byte);

    struct State {
        int font = -1;
        int halfPoints = -1;
        int color = 0;
        int highlight = 0;
        int background = 0;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strike = false;
        UnderlineStyle underlineStyle = UnderlineStyle::Single;
        VerticalPosition vertical = VerticalPosition::Baseline;
        int offset = 0;
    };

    const RichDocument& m_document;
    Table<QString> m_fonts;
    Table<std::uint32_t> m_colors;
    std::string m_out;
    bool m_needDelimiter = false;
    State m_state;
};

std::string Writer::run() {
    collectTables();
    // Room for about what comes out, so that a long entry is not copied as the text grows:
    // text goes out about as long as it is, pictures as two hex digits a byte.
    size_t expected = 1024 + m_document.listTable.size() + m_document.listOverrideTable.size();
    for (const Paragraph& p : m_document.paragraphs) {
        expected += 32 + p.tableWords.size();
        for (const Run& run : p.runs)
            expected += 16 + static_cast<size_t>(run.text.size()) +
                        (run.image ? 2 * static_cast<size_t>(run.image->data.size()) * 65 / 64 : 0);
    }
    m_out.reserve(expected + expected / 8);
    m_out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl";
    for (size_t i = 0; i < m_fonts.entries().size(); ++i) {
        m_out += "{";
        word("f", static_cast<long long>(i));
        word("fnil");
        word("fcharset", 0);
        QString face = m_fonts.entries()[i];
        face.remove(u';'); // a name ends at the first semicolon
        text(face);
        m_out += ";}";
        m_needDelimiter = false;
    }
    m_out += "}\r\n";
    if (!m_colors.entries().empty()) {
        m_out += "{\\colortbl ;";
        for (std::uint32_t rgb : m_colors.entries()) {
            word("red", rgb >> 16 & 0xFF);
            word("green", rgb >> 8 & 0xFF);
            word("blue", rgb & 0xFF);
            m_out += ';';
        }
        m_out += "}\r\n";
    }
    for (const std::string* table : {&m_document.listTable, &m_document.listOverrideTable}) {
        if (!table->empty())
            m_out += *table + "\r\n";
    }
    m_out += "{\\*\\generator Msftedit 5.41.21.2510;}\\viewkind4\\uc1\\pard";
    m_needDelimiter = true;
    const Paragraph* previous = nullptr;
    long long number = 0;
    for (const Paragraph& p : m_document.paragraphs) {
        // Numbered paragraphs count on while the list goes on unchanged.
        const bool sameList = previous && previous->layout.list == p.layout.list;
        number = p.layout.list && sameList ? number + 1 : p.layout.list ? p.layout.list->start : 0;
        paragraph(p, previous, number);
        previous = &p;
    }
    m_out += "}";
    return std::move(m_out);
}

void Writer::paragraph(const Paragraph& p, const Paragraph* previous, long long number) {
    // A table row's definition comes before its cells; a nested row's goes with its end.
    const bool nestedRowEnd = p.end == ParagraphEnd::Row && p.layout.tableLevel > 1;
    if (!nestedRowEnd && !p.tableWords.empty()) {
        m_out += p.tableWords;
        m_needDelimiter = true;
    }
    const bool newLayout =
        previous ? previous->alignment != p.alignment || !(previous->layout == p.layout) : true;
    if (newLayout && previous)
        word("pard");
    if (p.layout.list)
        numbering(*p.layout.list, number, newLayout);
    if (newLayout) {
        const size_t before = m_out.size();
        appendParagraphWords(m_out, p.alignment, layoutWithLevelIndent(p.layout));
        if (m_out.size() != before)
            m_needDelimiter = true;
    }
    runs(p);
    formatDelta(p.mark);
    paragraphEnd(p);
    m_out += "\r\n";
    m_needDelimiter = false;
}

// The \pntext result for readers that do not number, then the numbering itself where the
// list starts or the paragraph properties were reset.
void Writer::numbering(const ListFormat& list, long long number, bool group) {
    const int font = list.font.isEmpty() ? -1 : m_fonts.indexOf(list.font);
    m_out += "{";
    word("pntext");
    if (font >= 0)
        word("f", font);
    text(listLabel(list, number));
    word("tab");
    m_out += "}";
    m_needDelimiter = false;
    if (!group)
        return;
    m_out += "{\\*";
    word("pn");
    appendNumberingWords(m_out, list, font);
    m_needDelimiter = true;
    for (const auto& [name, value] :
         {std::pair{"pntxtb", &list.before}, std::pair{"pntxta", &list.after}}) {
        if (value->isEmpty())
            continue;
        m_out += "{";
        word(name);
        text(*value);
        m_out += "}";
        m_needDelimiter = false;
    }
    m_out += "}";
    m_needDelimiter = false;
}

// Runs in order; the runs of one field go into one field group, its instruction first.
void Writer::runs(const Paragraph& p) {
    QString field;
    State outside;
    const auto close = [&] {
        if (field.isEmpty())
            return;
        m_out += "}}}";
        m_needDelimiter = false;
        m_state = outside; // the group's formatting ends with it
        field.clear();
    };
    for (const Run& run : p.runs) {
        const QString& runField = run.image ? QString() : run.format.field;
        if (runField != field) {
            close();
            if (!runField.isEmpty()) {
                m_out += "{\\field{\\*\\fldinst{";
                m_needDelimiter = false;
                text(runField);
                m_out += "}}{\\fldrslt{";
                m_needDelimiter = false;
                outside = m_state;
                field = runField;
            }
        }
        if (run.image) {
            image(*run.image);
        } else {
            formatDelta(run.format);
            text(run.text);
        }
    }
    close();
}

void Writer::paragraphEnd(const Paragraph& p) {
    const bool nested = p.layout.tableLevel > 1;
    switch (p.end) {
    case ParagraphEnd::Paragraph:
        word("par");
        break;
    case ParagraphEnd::Page:
        word("page");
        break;
    case ParagraphEnd::Cell:
        word(nested ? "nestcell" : "cell");
        break;
    case ParagraphEnd::Row:
        if (!nested) {
            word("row");
            break;
        }
        // Readers that know nested tables read the row here; others read a paragraph.
        m_out += "{\\*";
        word("nesttableprops");
        m_out += p.tableWords;
        word("nestrow");
        m_out += "}{";
        word("nonesttables");
        word("par");
        m_out += "}";
        break;
    }
}

void Writer::collectTables() {
    auto collect = [this](const CharFormat& format) {
        m_fonts.indexOf(format.face);
        for (const auto& color : {format.color, format.highlight, format.background}) {
            if (color)
                m_colors.indexOf(*color);
        }
    };
    for (const Paragraph& paragraph : m_document.paragraphs) {
        if (paragraph.layout.list && !paragraph.layout.list->font.isEmpty())
            m_fonts.indexOf(paragraph.layout.list->font);
        for (const Run& run : paragraph.runs) {
            if (!run.image)
                collect(run.format);
        }
        collect(paragraph.mark);
    }
}

void Writer::word(std::string_view name) {
    appendWord(m_out, name);
    m_needDelimiter = true;
}

void Writer::word(std::string_view name, long long param) {
    appendWord(m_out, name, param);
    m_needDelimiter = true;
}

void Writer::formatDelta(const CharFormat& format) {
    const auto colorIndex = [this](const std::optional<std::uint32_t>& color) {
        return color ? m_colors.indexOf(*color) + 1 : 0;
    };
    State next;
    next.font = m_fonts.indexOf(format.face);
    next.halfPoints = format.halfPoints;
    next.color = colorIndex(format.color);
    next.highlight = colorIndex(format.highlight);
    next.background = colorIndex(format.background);
    next.bold = format.bold;
    next.italic = format.italic;
    next.underline = format.underline;
    next.underlineStyle = format.underline ? format.underlineStyle : UnderlineStyle::Single;
    next.strike = format.strike;
    next.vertical = format.vertical;
    next.offset = format.offset;
    if (next.color != m_state.color)
        word("cf", next.color);
    if (next.highlight != m_state.highlight)
        word("highlight", next.highlight);
    if (next.background != m_state.background)
        word("cb", next.background);
    if (next.underline != m_state.underline || next.underlineStyle != m_state.underlineStyle) {
        static constexpr std::string_view kUnderlines[] = {
            "ul",       "ulw",    "uldb",     "uld",       "uldash",     "uldashd",
            "uldashdd", "ulwave", "ulth",     "ulhair",    "ululdbwave", "ulhwave",
            "ulldash",  "ulthd",  "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash"};
        word(next.underline ? kUnderlines[static_cast<size_t>(next.underlineStyle)] : "ulnone");
    }
    if (next.bold != m_state.bold)
        word(next.bold ? "b" : "b0");
    if (next.italic != m_state.italic)
        word(next.italic ? "i" : "i0");
    if (next.strike != m_state.strike)
        word(next.strike ? "strike" : "strike0");
    if (next.vertical != m_state.vertical) {
        word(next.vertical == VerticalPosition::Superscript ? "super"
             : next.vertical == VerticalPosition::Subscript ? "sub"
                                                            : "nosupersub");
    }
    if (next.offset != m_state.offset) {
        if (next.offset < 0)
            word("dn", -static_cast<long long>(next.offset));
        else
            word("up", next.offset);
    }
    if (next.font != m_state.font)
        word("f", next.font);
    if (next.halfPoints != m_state.halfPoints)
        word("fs", next.halfPoints);
    m_state = next;
}

void Writer::hexByte(unsigned char byte) {
    static constexpr char kDigits[] = "0123456789abcdef";
    m_out += kDigits[byte >> 4];
    m_out += kDigits[byte & 0xF];
}

void Writer::text(QStringView text) {
    for (const QChar qc : text) {
        const char16_t ch = qc.unicode();
        if (ch == u'\\' || ch == u'{' || ch == u'}') {
            m_out += '\\';
            m_out += static_cast<char>(ch);
            m_needDelimiter = false;
        } else if (ch == u'\t') {
            word("tab");
        } else if (ch == kLineBreak.unicode()) {
            word("line");
        } else if (ch >= 0x20 && ch < 0x7F) {
            if (std::exchange(m_needDelimiter, false))
                m_out += ' ';
            m_out += static_cast<char>(ch);
        } else if (const auto byte = unicodeToCp1252(ch); byte && !qc.isSurrogate()) {
            m_out += "\\'";
            hexByte(*byte);
            m_needDelimiter = false;
        } else {
            word("u", ch > 0x7FFF ? static_cast<long long>(ch) - 0x10000 : ch);
            m_out += '?';
            m_needDelimiter = false;
        }
    }
}

void Writer::image(const Image& image) {
    m_out += "{";
    word("pict");
    word(image.kind == Image::Kind::Png ? "pngblip" : "jpegblip");
    word("picw", image.widthPixels);
    word("pich", image.heightPixels);
    word("picwgoal", image.widthTwips);
    word("pichgoal", image.heightTwips);
    m_out += "\r\n";
    int column = 0;
    for (const char byte : image.data) {
        hexByte(static_cast<unsigned char>(byte));
        column += 2;
        if (column == kHexPerLine) {
            m_out += "\r\n";
            column = 0;
        }
    }
    m_out += "}";
    m_needDelimiter = false;
}

} // namespace

std::string RtfWriter::write(const RichDocument& document) {
    return Writer(document).run();
}

} // namespace richtext
