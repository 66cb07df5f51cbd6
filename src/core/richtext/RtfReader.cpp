#include "richtext/RtfReader.h"

#include "richtext/CodePage.h"
#include "richtext/RtfKeywords.h"
#include "richtext/RtfTokenizer.h"

#include <QLatin1StringView>
#include <algorithm>
#include <map>

namespace richtext {

namespace {

constexpr char16_t kReplacement = 0xFFFD;
constexpr int kMaxHalfPoints = 1638 * 2;
constexpr int kMaxPictureSize = 1 << 20;

enum class Destination { Text, FontTable, ColorTable, Picture, Object };

// What a group carries: character and paragraph properties, the \uc count and where text goes.
struct GroupState {
    int font = -1; // -1: the default font
    int halfPoints = kDefaultHalfPoints;
    int color = 0; // index into the colour table; 0 is automatic
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    Alignment alignment = Alignment::Left;
    int uc = 1;
    Destination destination = Destination::Text;
};

struct FontEntry {
    QString name;
    int charset = 0;
};

struct PendingPicture {
    std::optional<Image::Kind> kind;
    QByteArray data;
    int highNibble = -1;
    int width = 0;
    int height = 0;
    int widthGoal = 0;
    int heightGoal = 0;
    int scaleX = 100;
    int scaleY = 100;
};

int clampInt(long long value, int low, int high) {
    return static_cast<int>(std::clamp<long long>(value, low, high));
}

// Replaces UTF-16 surrogates that do not form a pair, which \u can produce.
void repairSurrogates(QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
        } else if (ch.isSurrogate()) {
            text[i] = QChar(kReplacement);
        }
    }
}

class Parser {
public:
    explicit Parser(std::string_view input) : m_tokens(input) {}

    RichDocument run();

private:
    GroupState& state() { return m_stack.back(); }
    bool overflowing() const { return m_overflow > 0; }

    void openGroup();
    bool closeGroup(); // false when the outermost group has closed
    void controlWord(const RtfToken& token);
    void destinationWord(RtfKeyword keyword);
    void formatWord(RtfKeyword keyword, const RtfToken& token);
    void pictureWord(RtfKeyword keyword, const RtfToken& token);
    void escapedByte(unsigned char byte);
    void rawText(std::string_view bytes);
    void character(char16_t ch);
    void unicode(int value);
    bool skipFallback();

    const FontEntry* fontEntry(int font) const;
    const CodePage& codePage() const;
    const CharFormat& currentFormat();
    template <typename View> void appendToParagraph(View text);
    void endParagraph();
    void finishPicture();
    void commitFont();
    void commitColor();

    RtfTokenizer m_tokens;
    std::vector<GroupState> m_stack;
    int m_overflow = 0;
    bool m_starred = false;
    int m_fallback = 0;
    int m_pendingLead = -1;

    const CodePage* m_ansi = &CodePage::get(1252);
    int m_defaultFont = 0;
    std::map<int, FontEntry> m_fonts;
    int m_tableFont = 0;
    FontEntry m_tableEntry;
    std::vector<std::optional<std::uint32_t>> m_colors;
    int m_red = -1, m_green = -1, m_blue = -1;

    std::optional<PendingPicture> m_picture;
    size_t m_pictureDepth = 0;

    bool m_formatDirty = true;
    CharFormat m_format;
    bool m_runOpen = false; // the paragraph's last run takes text in m_format
    Paragraph m_paragraph;
    RichDocument m_document;
};

RichDocument Parser::run() {
    m_stack.push_back(GroupState{});
    bool opened = false;
    while (true) {
        const RtfToken token = m_tokens.next();
        if (token.type == RtfToken::End)
            break;
        if (token.type != RtfToken::Escape)
            m_pendingLead = -1; // a double-byte character is two \'xx in a row
        switch (token.type) {
        case RtfToken::OpenGroup:
            m_fallback = 0;
            openGroup();
            opened = true;
            break;
        case RtfToken::CloseGroup:
            m_fallback = 0;
            if (opened && !closeGroup())
                goto done; // bytes after the document's last brace are not part of it
            break;
        case RtfToken::Word:
            controlWord(token);
            break;
        case RtfToken::Escape:
            escapedByte(token.byte);
            break;
        case RtfToken::Symbol:
            m_fallback = 0;
            if (token.byte == '*')
                m_starred = true;
            else if (token.byte == '~')
                character(0x00A0);
            else if (token.byte == '_')
                character(0x2011);
            else if ((token.byte == '\n' || token.byte == '\r') &&
                     state().destination == Destination::Text)
                endParagraph();
            else if (token.byte == '{' || token.byte == '}' || token.byte == '\\')
                character(token.byte);
            break;
        case RtfToken::Text:
            rawText(token.text);
            break;
        case RtfToken::End:
            break;
        }
    }
done:
    // Unclosed groups are closed here; a last paragraph without \par still counts.
    finishPicture();
    if (!m_paragraph.runs.empty())
        endParagraph();
    for (Paragraph& paragraph : m_document.paragraphs) {
        for (Run& run : paragraph.runs)
            repairSurrogates(run.text);
    }
    return std::move(m_document);
}

void Parser::openGroup() {
    m_starred = false;
    if (m_stack.size() >= static_cast<size_t>(RtfReader::kMaxDepth)) {
        ++m_overflow;
        return;
    }
    m_stack.push_back(m_stack.back());
}

bool Parser::closeGroup() {
    m_starred = false;
    if (m_overflow > 0) {
        --m_overflow;
        return true;
    }
    const Destination leaving = state().destination;
    if (leaving == Destination::FontTable && !m_tableEntry.name.isEmpty())
        commitFont(); // an entry closed without its semicolon
    if (m_picture && m_stack.size() == m_pictureDepth)
        finishPicture();
    if (m_stack.size() == 2) {
        // The document's own group: its state decides the last paragraph.
        if (!m_paragraph.runs.empty())
            endParagraph();
    }
    if (m_stack.size() <= 1)
        return true; // a stray brace before the document started
    m_stack.pop_back();
    m_formatDirty = true;
    return m_stack.size() > 1;
}

void Parser::controlWord(const RtfToken& token) {
    const RtfKeywordInfo info = lookUpRtfKeyword(token.word);
    const bool starred = std::exchange(m_starred, false);
    if (info.keyword == RtfKeyword::U) {
        unicode(token.hasParam ? token.param : 0);
        return;
    }
    m_fallback = 0;
    if (info.keyword == RtfKeyword::Bin) {
        const size_t count = token.hasParam && token.param > 0 ? size_t(token.param) : 0;
        const std::string_view bytes = m_tokens.takeRaw(count);
        if (m_picture && state().destination == Destination::Picture)
            m_picture->data.append(bytes.data(), static_cast<qsizetype>(bytes.size()));
        return;
    }
    if (starred && info.keyword != RtfKeyword::ShapePicture) {
        m_tokens.skipGroup();
        return;
    }
    switch (info.keyword) {
    case RtfKeyword::Character:
        character(info.ch);
        return;
    case RtfKeyword::Tab:
        character(u'\t');
        return;
    case RtfKeyword::Line:
        character(kLineBreak.unicode());
        return;
    case RtfKeyword::Par:
        if (state().destination == Destination::Text)
            endParagraph();
        return;
    case RtfKeyword::FontTable:
    case RtfKeyword::ColorTable:
    case RtfKeyword::Picture:
    case RtfKeyword::Object:
    case RtfKeyword::Result:
    case RtfKeyword::ShapePicture:
    case RtfKeyword::SkipGroup:
        destinationWord(info.keyword);
        return;
    default:
        break;
    }
    if (overflowing())
        return; // deep groups share their parent's state and may not change it
    if (state().destination == Destination::Picture)
        pictureWord(info.keyword, token);
    else
        formatWord(info.keyword, token);
}

void Parser::destinationWord(RtfKeyword keyword) {
    if (keyword == RtfKeyword::ShapePicture)
        return; // its contents are read as they come
    if (keyword == RtfKeyword::SkipGroup || overflowing()) {
        m_tokens.skipGroup();
        return;
    }
    switch (keyword) {
    case RtfKeyword::FontTable:
        state().destination = Destination::FontTable;
        break;
    case RtfKeyword::ColorTable:
        state().destination = Destination::ColorTable;
        break;
    case RtfKeyword::Object:
        state().destination = Destination::Object;
        break;
    case RtfKeyword::Result:
        state().destination = Destination::Text;
        break;
    case RtfKeyword::Picture:
        if (m_picture) {
            m_tokens.skipGroup(); // a picture inside a picture
            return;
        }
        state().destination = Destination::Picture;
        m_picture.emplace();
        m_pictureDepth = m_stack.size();
        break;
    default:
        break;
    }
}

void Parser::formatWord(RtfKeyword keyword, const RtfToken& token) {
    GroupState& s = state();
    const bool on = !token.hasParam || token.param != 0;
    const int param = token.param;
    const bool inTable = s.destination == Destination::FontTable;
    switch (keyword) {
    case RtfKeyword::Ansi:
        m_ansi = &CodePage::get(1252);
        return;
    case RtfKeyword::AnsiCpg:
        m_ansi = &CodePage::get(param);
        return;
    case RtfKeyword::Mac:
        m_ansi = &CodePage::get(10000);
        return;
    case RtfKeyword::Pc:
        m_ansi = &CodePage::get(437);
        return;
    case RtfKeyword::Pca:
        m_ansi = &CodePage::get(850);
        return;
    case RtfKeyword::Deff:
        m_defaultFont = param;
        break;
    case RtfKeyword::Uc:
        s.uc = clampInt(param, 0, 255);
        return;
    case RtfKeyword::FontCharset:
        m_tableEntry.charset = param;
        return;
    case RtfKeyword::Red:
        m_red = clampInt(param, 0, 255);
        return;
    case RtfKeyword::Green:
        m_green = clampInt(param, 0, 255);
        return;
    case RtfKeyword::Blue:
        m_blue = clampInt(param, 0, 255);
        return;
    case RtfKeyword::Pard:
        s.alignment = Alignment::Left;
        return;
    case RtfKeyword::AlignLeft:
        s.alignment = Alignment::Left;
        return;
    case RtfKeyword::AlignCenter:
        s.alignment = Alignment::Center;
        return;
    case RtfKeyword::AlignRight:
        s.alignment = Alignment::Right;
        return;
    case RtfKeyword::Plain:
        s.font = -1;
        s.halfPoints = kDefaultHalfPoints;
        s.color = 0;
        s.bold = s.italic = s.underline = s.strike = false;
        break;
    case RtfKeyword::Font:
        if (inTable) {
            if (!m_tableEntry.name.isEmpty())
                commitFont();
            m_tableEntry = FontEntry{};
            m_tableFont = param;
            return;
        }
        s.font = param;
        break;
    case RtfKeyword::FontSize:
        if (!token.hasParam)
            s.halfPoints = kDefaultHalfPoints;
        else if (param > 0)
            s.halfPoints = std::min(param, kMaxHalfPoints);
        break;
    case RtfKeyword::Color:
        s.color = param;
        break;
    case RtfKeyword::Bold:
        s.bold = on;
        break;
    case RtfKeyword::Italic:
        s.italic = on;
        break;
    case RtfKeyword::Underline:
        s.underline = on;
        break;
    case RtfKeyword::UnderlineNone:
        s.underline = false;
        break;
    case RtfKeyword::Strike:
        s.strike = on;
        break;
    default:
        return;
    }
    m_formatDirty = true;
}

void Parser::pictureWord(RtfKeyword keyword, const RtfToken& token) {
    PendingPicture& p = *m_picture;
    const int size = clampInt(token.param, 0, kMaxPictureSize);
    switch (keyword) {
    case RtfKeyword::PngBlip:
        p.kind = Image::Kind::Png;
        break;
    case RtfKeyword::JpegBlip:
        p.kind = Image::Kind::Jpeg;
        break;
    case RtfKeyword::PicWidth:
        p.width = size;
        break;
    case RtfKeyword::PicHeight:
        p.height = size;
        break;
    case RtfKeyword::PicWidthGoal:
        p.widthGoal = size;
        break;
    case RtfKeyword::PicHeightGoal:
        p.heightGoal = size;
        break;
    case RtfKeyword::PicScaleX:
        p.scaleX = clampInt(token.param, 1, 10000);
        break;
    case RtfKeyword::PicScaleY:
        p.scaleY = clampInt(token.param, 1, 10000);
        break;
    default:
        break;
    }
}

void Parser::finishPicture() {
    if (!m_picture)
        return;
    PendingPicture p = std::move(*m_picture);
    m_picture.reset();
    if (!p.kind || p.data.isEmpty())
        return; // metafiles, bitmaps and empty pictures are not kept
    Image image;
    image.kind = *p.kind;
    image.data = std::move(p.data);
    image.widthPixels = p.width;
    image.heightPixels = p.height;
    image.widthTwips =
        clampInt(static_cast<long long>(p.widthGoal) * p.scaleX / 100, 0, kMaxPictureSize);
    image.heightTwips =
        clampInt(static_cast<long long>(p.heightGoal) * p.scaleY / 100, 0, kMaxPictureSize);
    appendImage(m_paragraph, std::move(image));
    m_runOpen = false;
}

// Skips one fallback character after \u; true when the character was swallowed.
bool Parser::skipFallback() {
    if (m_fallback == 0)
        return false;
    --m_fallback;
    return true;
}

void Parser::unicode(int value) {
    m_fallback = 0;
    char16_t ch = kReplacement;
    if (value < 0 && value >= -32768)
        ch = static_cast<char16_t>(value + 65536);
    else if (value >= 0 && value <= 65535)
        ch = static_cast<char16_t>(value);
    character(ch);
    m_fallback = state().uc;
}

void Parser::escapedByte(unsigned char byte) {
    if (skipFallback())
        return;
    const CodePage& page = codePage();
    if (m_pendingLead >= 0) {
        const auto lead = static_cast<unsigned char>(std::exchange(m_pendingLead, -1));
        character(page.decode(lead, byte));
        return;
    }
    if (page.isLeadByte(byte)) {
        m_pendingLead = byte;
        return;
    }
    character(page.decode(byte));
}

void Parser::rawText(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size() && m_fallback > 0) {
        --m_fallback;
        ++i;
    }
    bytes.remove_prefix(i);
    if (bytes.empty())
        return;
    const Destination destination = state().destination;
    if (destination == Destination::Text) {
        // The common case: a stretch of 7-bit text goes in as a whole.
        size_t start = 0;
        for (size_t k = 0; k <= bytes.size(); ++k) {
            if (k < bytes.size() && static_cast<unsigned char>(bytes[k]) < 0x80)
                continue;
            if (k > start)
                appendToParagraph(
                    QLatin1StringView(bytes.data() + start, static_cast<qsizetype>(k - start)));
            if (k < bytes.size())
                character(codePage().decode(static_cast<unsigned char>(bytes[k])));
            start = k + 1;
        }
        return;
    }
    if (destination == Destination::Picture) {
        PendingPicture& p = *m_picture;
        if (!p.kind)
            return; // data of pictures we do not keep is not collected
        for (char c : bytes) {
            const int nibble = hexDigitValue(static_cast<unsigned char>(c));
            if (nibble < 0)
                continue;
            if (p.highNibble < 0) {
                p.highNibble = nibble;
            } else {
                p.data.append(static_cast<char>(p.highNibble << 4 | nibble));
                p.highNibble = -1;
            }
        }
        return;
    }
    for (char c : bytes)
        character(codePage().decode(static_cast<unsigned char>(c)));
}

void Parser::character(char16_t ch) {
    switch (state().destination) {
    case Destination::Text:
        appendToParagraph(QStringView(&ch, 1));
        break;
    case Destination::FontTable:
        if (ch == u';')
            commitFont();
        else
            m_tableEntry.name.append(QChar(ch));
        break;
    case Destination::ColorTable:
        if (ch == u';')
            commitColor();
        break;
    case Destination::Picture:
    case Destination::Object:
        break;
    }
}

const FontEntry* Parser::fontEntry(int font) const {
    auto it = m_fonts.find(font < 0 ? m_defaultFont : font);
    if (it == m_fonts.end())
        it = m_fonts.find(m_defaultFont);
    return it == m_fonts.end() ? nullptr : &it->second;
}

const CodePage& Parser::codePage() const {
    const GroupState& s = m_stack.back();
    const FontEntry* entry = fontEntry(s.font);
    const int charset = s.destination == Destination::FontTable ? m_tableEntry.charset
                        : entry                                 ? entry->charset
                                                                : 0;
    const int number = CodePage::forCharset(charset);
    return number == 0 ? *m_ansi : CodePage::get(number);
}

const CharFormat& Parser::currentFormat() {
    if (!m_formatDirty)
        return m_format;
    const GroupState& s = m_stack.back();
    CharFormat format;
    if (const FontEntry* entry = fontEntry(s.font))
        format.face = entry->name;
    format.halfPoints = s.halfPoints;
    if (s.color > 0 && static_cast<size_t>(s.color) < m_colors.size())
        format.color = m_colors[static_cast<size_t>(s.color)];
    format.bold = s.bold;
    format.italic = s.italic;
    format.underline = s.underline;
    format.strike = s.strike;
    if (!(format == m_format)) {
        m_format = std::move(format);
        m_runOpen = false;
    }
    m_formatDirty = false;
    return m_format;
}

template <typename View> void Parser::appendToParagraph(View text) {
    const CharFormat& format = currentFormat();
    if (!m_runOpen) {
        std::vector<Run>& runs = m_paragraph.runs;
        if (runs.empty() || runs.back().image || !(runs.back().format == format))
            runs.push_back(Run{format, QString(), std::nullopt});
        m_runOpen = true;
    }
    m_paragraph.runs.back().text.append(text);
}

void Parser::endParagraph() {
    const CharFormat mark = currentFormat();
    m_paragraph.alignment = state().alignment;
    m_paragraph.mark = mark;
    m_document.paragraphs.push_back(std::move(m_paragraph));
    m_paragraph = Paragraph{};
    m_runOpen = false;
}

void Parser::commitFont() {
    m_tableEntry.name = m_tableEntry.name.trimmed();
    m_fonts[m_tableFont] = std::move(m_tableEntry);
    m_tableEntry = FontEntry{};
    m_formatDirty = true;
}

void Parser::commitColor() {
    std::optional<std::uint32_t> color;
    if (m_red >= 0 || m_green >= 0 || m_blue >= 0)
        color = std::uint32_t(std::max(m_red, 0)) << 16 | std::uint32_t(std::max(m_green, 0)) << 8 |
                std::uint32_t(std::max(m_blue, 0));
    m_colors.push_back(color);
    m_red = m_green = m_blue = -1;
    m_formatDirty = true;
}

} // namespace

RichDocument RtfReader::read(std::string_view rtf) {
    return Parser(rtf).run();
}

bool RtfReader::isRtf(std::string_view text) {
    return text.substr(0, 5) == "{\\rtf";
}

} // namespace richtext
