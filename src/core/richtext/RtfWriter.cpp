#include "richtext/RtfWriter.h"

#include "platform/TextEncoding.h"

#include <QHash>
#include <charconv>

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
    void formatDelta(const CharFormat& format);
    void text(QStringView text);
    void image(const Image& image);
    void hexByte(unsigned char byte);

    struct State {
        int font = -1;
        int halfPoints = -1;
        int color = 0;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strike = false;
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
    m_out += "{\\*\\generator Msftedit 5.41.21.2510;}\\viewkind4\\uc1\\pard";
    m_needDelimiter = true;
    Alignment alignment = Alignment::Left;
    bool first = true;
    for (const Paragraph& paragraph : m_document.paragraphs) {
        if (paragraph.alignment != alignment) {
            if (!first)
                word("pard");
            if (paragraph.alignment == Alignment::Center)
                word("qc");
            else if (paragraph.alignment == Alignment::Right)
                word("qr");
            alignment = paragraph.alignment;
        }
        first = false;
        for (const Run& run : paragraph.runs) {
            if (run.image) {
                image(*run.image);
            } else {
                formatDelta(run.format);
                text(run.text);
            }
        }
        formatDelta(paragraph.mark);
        word("par");
        m_out += "\r\n";
        m_needDelimiter = false;
    }
    m_out += "}";
    return std::move(m_out);
}

void Writer::collectTables() {
    auto collect = [this](const CharFormat& format) {
        m_fonts.indexOf(format.face);
        if (format.color)
            m_colors.indexOf(*format.color);
    };
    for (const Paragraph& paragraph : m_document.paragraphs) {
        for (const Run& run : paragraph.runs) {
            if (!run.image)
                collect(run.format);
        }
        collect(paragraph.mark);
    }
}

void Writer::word(std::string_view name) {
    m_out += '\\';
    m_out += name;
    m_needDelimiter = true;
}

void Writer::word(std::string_view name, long long param) {
    word(name);
    char digits[24];
    const auto result = std::to_chars(std::begin(digits), std::end(digits), param);
    m_out.append(std::string_view(digits, static_cast<size_t>(result.ptr - digits)));
}

void Writer::formatDelta(const CharFormat& format) {
    State next;
    next.font = m_fonts.indexOf(format.face);
    next.halfPoints = format.halfPoints;
    next.color = format.color ? m_colors.indexOf(*format.color) + 1 : 0;
    next.bold = format.bold;
    next.italic = format.italic;
    next.underline = format.underline;
    next.strike = format.strike;
    if (next.color != m_state.color)
        word("cf", next.color);
    if (next.underline != m_state.underline)
        word(next.underline ? "ul" : "ulnone");
    if (next.bold != m_state.bold)
        word(next.bold ? "b" : "b0");
    if (next.italic != m_state.italic)
        word(next.italic ? "i" : "i0");
    if (next.strike != m_state.strike)
        word(next.strike ? "strike" : "strike0");
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
