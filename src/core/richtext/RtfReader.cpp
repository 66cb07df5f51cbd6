#include "core/richtext/RtfReader.h"

#include "core/richtext/CodePage.h"
#include "core/richtext/PlainText.h"
#include "core/richtext/RtfColorTable.h"
#include "core/richtext/RtfFontTable.h"
#include "core/richtext/RtfKeywords.h"
#include "core/richtext/RtfParagraphWords.h"
#include "core/richtext/RtfPicture.h"
#include "core/richtext/RtfTokenizer.h"

#include <QLatin1StringView>
#include <algorithm>
#include <string>
#include <type_traits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace richtext {

namespace {

constexpr char16_t kReplacement = 0xFFFD;
constexpr int kMaxHalfPoints = 1638 * 2;

enum class Destination {
    Text,
    FontTable,
    ColorTable,
    Picture,
    Object,
    FieldInstruction,
    Numbering,
    NumberBefore,
    NumberAfter,
};

// Character properties as a group holds them; colours are table indexes until text comes.
struct CharState {
    int font = -1; // -1: the default font
    int halfPoints = kDefaultHalfPoints;
    int color = 0; // index into the colour table; 0 is automatic
    int highlight = 0;
    int background = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    UnderlineStyle underlineStyle = UnderlineStyle::Single;
    VerticalPosition vertical = VerticalPosition::Baseline;
    int offset = 0;

    friend bool operator==(const CharState&, const CharState&) = default;
};

// What a group carries: character and paragraph properties, the field its text is the result
// of, the \uc count and where text goes.
struct GroupState {
    CharState chars;
    Alignment alignment = Alignment::Left;
    ParagraphLayout layout;
    QString field;      // instruction of the field whose result this group's text is
    int fieldSlot = -1; // the field this group's \fldinst text goes to
    int uc = 1;
    Destination destination = Destination::Text;
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

// Reads into the model, or with textOnly into the text the control shows (controlText), which
// needs no formats: runs, paragraphs and formats are then never built.
class Parser {
public:
    Parser(std::string_view input, bool textOnly) : m_tokens(input), m_textOnly(textOnly) {
        // The shown text is hardly ever longer than its RTF: allocated once, not as it grows.
        if (textOnly)
            m_text.reserve(static_cast<qsizetype>(input.size()));
    }

    RichDocument run();
    QString text() { return std::move(m_text); }
    bool surrogates() const { return m_surrogates; }

private:
    GroupState& state() { return m_stack.back(); }
    bool overflowing() const { return m_overflow > 0; }

    void openGroup();
    bool closeGroup(); // false when the outermost group has closed
    void controlWord(const RtfToken& token);
    void destinationWord(RtfKeyword keyword);
    void formatWord(RtfKeyword keyword, const RtfToken& token);
    void escapedByte(unsigned char byte);
    void rawText(std::string_view bytes, bool plain);
    void character(char16_t ch);
    void trailOrCharacter(unsigned char byte);
    void unicode(int value);
    void tableRowWord(const RtfToken& token);
    void keepTable(std::string& table);
    bool skipFallback();

    const CodePage& codePage() const;
    const CharFormat& currentFormat();
    size_t findFormat();
    CharFormat buildFormat(const GroupState& s) const;
    template <typename View> void appendToParagraph(View text);
    void openRun();
    void appendPending(char16_t ch) { m_pending.push_back(ch); }
    void appendPending(QLatin1StringView text);
    void flushRun();
    void endParagraph(ParagraphEnd end = ParagraphEnd::Paragraph);
    void finishPicture();
    bool paragraphHasContent() const;

    RtfTokenizer m_tokens;
    std::vector<GroupState> m_stack;
    int m_overflow = 0;
    bool m_starred = false;
    bool m_groupFresh = false; // nothing yet in the group just opened (but \*)
    bool m_tokenFresh = false; // the token being read is the first of its group
    size_t m_groupStart = 0;   // offset of the last '{'
    int m_fallback = 0;
    int m_pendingLead = -1;

    const CodePage* m_ansi = &CodePage::get(1252);
    struct PageCache {
        const CodePage* page = nullptr;
        int font = 0;
        const CodePage* ansi = nullptr;
        unsigned fonts = 0;
    };
    mutable PageCache m_pageCache;
    RtfFontTable m_fonts;
    RtfColorTable m_colors;
    std::optional<RtfPicture> m_picture;
    size_t m_pictureDepth = 0;
    std::optional<ListFormat> m_list; // a \pn group being read
    size_t m_listDepth = 0;
    std::vector<QString> m_fields; // field instructions, by GroupState::fieldSlot
    std::string m_tableWords;      // row-definition words of the open paragraph

    // Formats built from group states: switching between a few (bold on, bold off) finds the
    // one built before. Emptied when the font or colour table changes, or when full.
    struct BuiltFormat {
        CharState chars;
        QString field;
        CharFormat format;
    };
    static constexpr size_t kMaxBuilt = 32;
    static constexpr size_t kNoFormat = size_t(-1);
    std::vector<BuiltFormat> m_built;
    unsigned m_builtFonts = 0;
    size_t m_builtColors = 0;
    size_t m_current = kNoFormat; // m_built entry of the current format
    bool m_formatDirty = true;
    bool m_runOpen = false; // the paragraph's last run takes text in the current format
    // The open run's text gathers here and goes into the run when the run ends, so that each
    // run's text is allocated once, at its size.
    std::u16string m_pending;
    bool m_surrogates = false; // a UTF-16 surrogate came, which may lack its other half
    Paragraph m_paragraph;
    RichDocument m_document;

    bool m_textOnly;
    QString m_text;            // textOnly: paragraphs so far, each followed by '\r'
    bool m_hasContent = false; // textOnly: the open paragraph has text or a picture
    bool m_anyParagraph = false;
};

RichDocument Parser::run() {
    m_stack.push_back(GroupState{});
    bool opened = false;
    while (true) {
        const RtfToken token = m_tokens.next();
        if (token.type == RtfToken::End)
            break;
        // A double-byte character is a \'xx lead byte and a trail byte, escaped or not.
        if (token.type != RtfToken::Escape && token.type != RtfToken::Text &&
            token.type != RtfToken::Symbol)
            m_pendingLead = -1;
        m_tokenFresh = m_groupFresh;
        m_groupFresh = token.type == RtfToken::OpenGroup ||
                       (m_groupFresh && token.type == RtfToken::Symbol && token.byte == '*');
        switch (token.type) {
        case RtfToken::OpenGroup:
            m_fallback = 0;
            m_groupStart = m_tokens.position() - 1;
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
            if (m_pendingLead >= 0 &&
                (token.byte == '{' || token.byte == '}' || token.byte == '\\')) {
                trailOrCharacter(token.byte);
                break;
            }
            m_pendingLead = -1;
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
            rawText(token.text, token.plain);
            break;
        case RtfToken::End:
            break;
        }
    }
done:
    // Unclosed groups are closed here; a last paragraph without \par still counts.
    finishPicture();
    if (paragraphHasContent())
        endParagraph();
    if (m_textOnly) {
        if (m_anyParagraph)
            m_text.chop(1); // no break after the last paragraph
        m_text.replace(kLineBreak, QChar(u'\v'));
        return {};
    }
    if (m_surrogates) {
        for (Paragraph& paragraph : m_document.paragraphs) {
            for (Run& run : paragraph.runs)
                repairSurrogates(run.text);
        }
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
    if (leaving == Destination::FontTable) {
        m_fonts.closeGroup(m_stack.size());
        m_formatDirty = true;
    }
    if (m_picture && m_stack.size() == m_pictureDepth)
        finishPicture();
    if (m_stack.size() == 2) {
        // The document's own group: its state decides the last paragraph.
        if (paragraphHasContent())
            endParagraph();
    }
    if (m_stack.size() <= 1)
        return true; // a stray brace before the document started
    m_stack.pop_back();
    m_formatDirty = true;
    if (m_list && m_stack.size() < m_listDepth) {
        // The numbering group is a paragraph property of the group around it.
        state().layout.list = std::move(*m_list);
        m_list.reset();
    }
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
            m_picture->binary(bytes);
        return;
    }
    bool destination = false;
    switch (info.keyword) {
    case RtfKeyword::FontTable:
    case RtfKeyword::ColorTable:
    case RtfKeyword::Picture:
    case RtfKeyword::Object:
    case RtfKeyword::Result:
    case RtfKeyword::ShapePicture:
    case RtfKeyword::SkipGroup:
    case RtfKeyword::Field:
    case RtfKeyword::FieldInstruction:
    case RtfKeyword::FieldResult:
    case RtfKeyword::ListTable:
    case RtfKeyword::ListOverrideTable:
    case RtfKeyword::Numbering:
    case RtfKeyword::NumberBefore:
    case RtfKeyword::NumberAfter:
    case RtfKeyword::NestTableProps:
        destination = true;
        break;
    default:
        break;
    }
    if (starred && (!destination || info.keyword == RtfKeyword::SkipGroup)) {
        m_tokens.skipGroup(); // an unknown destination: its whole group is dropped
        return;
    }
    if (destination) {
        destinationWord(info.keyword);
        return;
    }
    const bool inText = state().destination == Destination::Text;
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
        if (inText)
            endParagraph();
        return;
    case RtfKeyword::Cell:
    case RtfKeyword::NestCell:
        if (inText)
            endParagraph(ParagraphEnd::Cell);
        return;
    case RtfKeyword::Row:
    case RtfKeyword::NestRow:
        if (inText)
            endParagraph(ParagraphEnd::Row);
        return;
    case RtfKeyword::Page:
        if (inText)
            endParagraph(ParagraphEnd::Page);
        return;
    default:
        break;
    }
    if (inText && !m_textOnly && isTableRowWord(info.keyword, token.word)) {
        tableRowWord(token);
        return;
    }
    if (overflowing())
        return; // deep groups share their parent's state and may not change it
    if (state().destination == Destination::Picture) {
        m_picture->keyword(info.keyword, token.param);
    } else if (state().destination == Destination::Numbering) {
        if (info.keyword == RtfKeyword::NumberFont) {
            const RtfFontTable::Font* font = m_fonts.find(token.param);
            m_list->font = font ? font->name : QString();
        } else {
            applyNumberingWord(info, token, *m_list);
        }
    } else if (!applyParagraphWord(info.keyword, token, state().alignment, state().layout)) {
        formatWord(info.keyword, token);
    }
}

void Parser::tableRowWord(const RtfToken& token) {
    if (token.hasParam)
        appendWord(m_tableWords, token.word, token.param);
    else
        appendWord(m_tableWords, token.word);
}

// Keeps a list table's group as read, made 7-bit so that it is written back as it reads.
void Parser::keepTable(std::string& table) {
    const bool fresh = m_tokenFresh;
    const size_t start = m_groupStart;
    m_tokens.skipGroup();
    const std::string_view input = m_tokens.input();
    const size_t end = m_tokens.position();
    if (!fresh || m_textOnly || end >= input.size())
        return; // not a group of its own, or never closed
    const std::string_view raw = input.substr(start, end + 1 - start);
    if (raw.find("\\bin") != std::string_view::npos)
        return; // binary data cannot be escaped without changing it
    std::string kept;
    kept.reserve(raw.size());
    static constexpr char kDigits[] = "0123456789abcdef";
    for (const char c : raw) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == 0) {
            // Read as a line end is (passed over, ending a word); as \'00 it would be text,
            // and text before the table's word makes the group no table when read again.
            kept += '\n';
            continue;
        }
        if (byte >= 0x80 || (byte < 0x20 && byte != '\r' && byte != '\n' && byte != '\t')) {
            kept += "\\'";
            kept += kDigits[byte >> 4];
            kept += kDigits[byte & 0xF];
        } else {
            kept += c;
        }
    }
    table = std::move(kept);
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
    case RtfKeyword::Field:
        state().fieldSlot = static_cast<int>(m_fields.size());
        m_fields.emplace_back();
        break;
    case RtfKeyword::FieldInstruction:
        if (state().fieldSlot < 0)
            m_tokens.skipGroup();
        else
            state().destination = Destination::FieldInstruction;
        break;
    case RtfKeyword::FieldResult:
        state().destination = Destination::Text;
        state().field = state().fieldSlot < 0 ? QString() : m_fields[size_t(state().fieldSlot)];
        m_formatDirty = true;
        break;
    case RtfKeyword::ListTable:
        keepTable(m_document.listTable);
        break;
    case RtfKeyword::ListOverrideTable:
        keepTable(m_document.listOverrideTable);
        break;
    case RtfKeyword::Numbering:
        if (m_list) {
            m_tokens.skipGroup();
            return;
        }
        m_list.emplace();
        m_listDepth = m_stack.size();
        state().destination = Destination::Numbering;
        break;
    case RtfKeyword::NumberBefore:
    case RtfKeyword::NumberAfter:
        if (!m_list || state().destination != Destination::Numbering) {
            m_tokens.skipGroup();
            return;
        }
        state().destination = keyword == RtfKeyword::NumberBefore ? Destination::NumberBefore
                                                                  : Destination::NumberAfter;
        break;
    case RtfKeyword::NestTableProps:
        break; // its row words and \nestrow are read as they come
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
    CharState& c = s.chars;
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
        m_fonts.setDefault(param);
        break;
    case RtfKeyword::Uc:
        s.uc = clampInt(param, 0, 255);
        return;
    case RtfKeyword::FontCharset:
        m_fonts.setCharset(param);
        return;
    case RtfKeyword::Red:
        m_colors.setComponent(RtfColorTable::Red, param);
        return;
    case RtfKeyword::Green:
        m_colors.setComponent(RtfColorTable::Green, param);
        return;
    case RtfKeyword::Blue:
        m_colors.setComponent(RtfColorTable::Blue, param);
        return;
    case RtfKeyword::Plain:
        c = CharState{};
        break;
    case RtfKeyword::Font:
        if (inTable) {
            m_fonts.beginEntry(param, m_stack.size());
            return;
        }
        c.font = param;
        break;
    case RtfKeyword::FontSize:
        if (!token.hasParam)
            c.halfPoints = kDefaultHalfPoints;
        else if (param > 0)
            c.halfPoints = std::min(param, kMaxHalfPoints);
        break;
    case RtfKeyword::Color:
        c.color = param;
        break;
    case RtfKeyword::Highlight:
        c.highlight = param;
        break;
    case RtfKeyword::Background:
        c.background = param;
        break;
    case RtfKeyword::Bold:
        c.bold = on;
        break;
    case RtfKeyword::Italic:
        c.italic = on;
        break;
    case RtfKeyword::Underline:
        c.underline = on;
        c.underlineStyle = on ? static_cast<UnderlineStyle>(lookUpRtfKeyword(token.word).ch)
                              : UnderlineStyle::Single;
        break;
    case RtfKeyword::UnderlineNone:
        c.underline = false;
        c.underlineStyle = UnderlineStyle::Single;
        break;
    case RtfKeyword::Strike:
        c.strike = on;
        break;
    case RtfKeyword::Superscript:
        c.vertical = on ? VerticalPosition::Superscript : VerticalPosition::Baseline;
        break;
    case RtfKeyword::Subscript:
        c.vertical = on ? VerticalPosition::Subscript : VerticalPosition::Baseline;
        break;
    case RtfKeyword::NoSuperSub:
        c.vertical = VerticalPosition::Baseline;
        break;
    case RtfKeyword::Up:
        c.offset = token.hasParam ? clampInt(param, 0, kMaxHalfPoints) : 6;
        break;
    case RtfKeyword::Down:
        c.offset = -(token.hasParam ? clampInt(param, 0, kMaxHalfPoints) : 6);
        break;
    default:
        return;
    }
    m_formatDirty = true;
}

void Parser::finishPicture() {
    if (!m_picture)
        return;
    std::optional<Image> image = m_picture->take();
    m_picture.reset();
    if (!image)
        return;
    if (m_textOnly) {
        m_text += QChar(0xFFFC);
        m_hasContent = true;
        return;
    }
    flushRun();
    appendImage(m_paragraph, std::move(*image));
    m_runOpen = false;
}

bool Parser::paragraphHasContent() const {
    return m_textOnly ? m_hasContent : !m_paragraph.runs.empty();
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
    trailOrCharacter(byte);
}

// One byte of text in the code page: the trail of a pending lead byte, a lead byte, or a
// character of its own.
void Parser::trailOrCharacter(unsigned char byte) {
    const CodePage& page = codePage();
    if (m_pendingLead >= 0) {
        const auto lead = static_cast<unsigned char>(std::exchange(m_pendingLead, -1));
        character(page.decode(lead, byte));
        return;
    }
    if (byte < 0x80) {
        character(byte);
        return;
    }
    if (page.isLeadByte(byte)) {
        m_pendingLead = byte;
        return;
    }
    character(page.decode(byte));
}

void Parser::rawText(std::string_view bytes, bool plain) {
    size_t i = 0;
    while (i < bytes.size() && m_fallback > 0) {
        --m_fallback;
        ++i;
    }
    bytes.remove_prefix(i);
    if (bytes.empty())
        return;
    const Destination destination = state().destination;
    if (destination == Destination::Picture) {
        m_picture->hexText(bytes);
        return;
    }
    // The common case: a stretch of 7-bit text goes in as a whole. Control bytes other than
    // tab are not text and are dropped.
    if (plain && m_pendingLead < 0 && destination == Destination::Text) {
        appendToParagraph(QLatin1StringView(bytes.data(), static_cast<qsizetype>(bytes.size())));
        return;
    }
    const auto flush = [&](size_t start, size_t end) {
        if (end <= start)
            return;
        if (destination == Destination::Text) {
            appendToParagraph(
                QLatin1StringView(bytes.data() + start, static_cast<qsizetype>(end - start)));
            return;
        }
        for (size_t k = start; k < end; ++k)
            character(static_cast<unsigned char>(bytes[k]));
    };
    size_t start = 0;
    for (size_t k = 0; k < bytes.size(); ++k) {
        const auto c = static_cast<unsigned char>(bytes[k]);
        if (m_pendingLead < 0 && ((c >= 0x20 && c < 0x80) || c == '\t'))
            continue;
        flush(start, k);
        start = k + 1;
        if (c >= 0x20 || m_pendingLead >= 0)
            trailOrCharacter(c);
    }
    flush(start, bytes.size());
}

void Parser::character(char16_t ch) {
    m_surrogates = m_surrogates || QChar::isSurrogate(ch);
    switch (state().destination) {
    case Destination::Text:
        appendToParagraph(ch);
        break;
    case Destination::FontTable:
        if (ch == u';') {
            m_fonts.endEntry();
            m_formatDirty = true;
        } else {
            m_fonts.appendToName(QChar(ch));
        }
        break;
    case Destination::ColorTable:
        if (ch == u';') {
            m_colors.endEntry();
            m_formatDirty = true;
        }
        break;
    case Destination::FieldInstruction:
        if (state().fieldSlot >= 0)
            m_fields[size_t(state().fieldSlot)].append(QChar(ch));
        break;
    case Destination::NumberBefore:
        m_list->before.append(QChar(ch));
        break;
    case Destination::NumberAfter:
        m_list->after.append(QChar(ch));
        break;
    case Destination::Picture:
    case Destination::Object:
    case Destination::Numbering:
        break;
    }
}

const CodePage& Parser::codePage() const {
    const GroupState& s = m_stack.back();
    // Text in one font comes in many pieces; the font-table lookup is done once per change.
    const bool cacheable = s.destination != Destination::FontTable;
    if (cacheable && m_pageCache.page && m_pageCache.font == s.chars.font &&
        m_pageCache.ansi == m_ansi && m_pageCache.fonts == m_fonts.version())
        return *m_pageCache.page;
    const RtfFontTable::Font* entry = m_fonts.find(s.chars.font);
    const int charset = s.destination == Destination::FontTable ? m_fonts.pendingCharset()
                        : entry                                 ? entry->charset
                                                                : 0;
    const int number = CodePage::forCharset(charset);
    const CodePage& page = number == 0 ? *m_ansi : CodePage::get(number);
    if (cacheable)
        m_pageCache = {&page, s.chars.font, m_ansi, m_fonts.version()};
    return page;
}

const CharFormat& Parser::currentFormat() {
    if (m_formatDirty) {
        m_formatDirty = false;
        const size_t found = findFormat();
        if (found != m_current) {
            // A run in an equal format built anew is joined again by openRun.
            flushRun();
            m_runOpen = false;
            m_current = found;
        }
    }
    return m_built[m_current].format;
}

size_t Parser::findFormat() {
    const GroupState& s = m_stack.back();
    if (m_builtFonts != m_fonts.version() || m_builtColors != m_colors.size() ||
        m_built.size() == kMaxBuilt) {
        m_built.clear();
        m_current = kNoFormat;
        m_builtFonts = m_fonts.version();
        m_builtColors = m_colors.size();
    }
    for (size_t i = 0; i < m_built.size(); ++i) {
        if (m_built[i].chars == s.chars && m_built[i].field == s.field)
            return i;
    }
    m_built.push_back({s.chars, s.field, buildFormat(s)});
    return m_built.size() - 1;
}

CharFormat Parser::buildFormat(const GroupState& s) const {
    const CharState& c = s.chars;
    CharFormat format;
    if (const RtfFontTable::Font* entry = m_fonts.find(c.font))
        format.face = entry->name;
    format.halfPoints = c.halfPoints;
    format.color = m_colors.color(c.color);
    format.bold = c.bold;
    format.italic = c.italic;
    format.underline = c.underline;
    format.strike = c.strike;
    format.underlineStyle = c.underlineStyle;
    format.highlight = m_colors.color(c.highlight);
    format.background = m_colors.color(c.background);
    format.vertical = c.vertical;
    format.offset = c.offset;
    format.field = s.field;
    return format;
}

template <typename View> void Parser::appendToParagraph(View text) {
    if (m_textOnly) {
        if constexpr (std::is_same_v<View, char16_t>)
            m_text.append(QChar(text));
        else
            m_text.append(text);
        m_hasContent = true;
        return;
    }
    if (m_formatDirty || !m_runOpen)
        openRun();
    appendPending(text);
}

void Parser::openRun() {
    const CharFormat& format = currentFormat();
    if (m_runOpen)
        return;
    std::vector<Run>& runs = m_paragraph.runs;
    if (runs.empty() || runs.back().image || !(runs.back().format == format))
        runs.push_back(Run{format, QString(), std::nullopt});
    m_runOpen = true;
}

void Parser::appendPending(QLatin1StringView text) {
    const size_t at = m_pending.size();
    const size_t size = static_cast<size_t>(text.size());
    m_pending.resize(at + size);
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    char16_t* out = m_pending.data() + at;
    size_t i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    for (; i + 16 <= size; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_unpacklo_epi8(chunk, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i + 8), _mm_unpackhi_epi8(chunk, zero));
    }
#endif
    for (; i < size; ++i)
        out[i] = bytes[i];
}

void Parser::flushRun() {
    if (m_pending.empty())
        return;
    QString& text = m_paragraph.runs.back().text;
    const QStringView pending(m_pending.data(), static_cast<qsizetype>(m_pending.size()));
    if (text.isEmpty())
        text = pending.toString(); // allocated at its size
    else
        text.append(pending);
    m_pending.clear(); // keeps its capacity for the next run
}

void Parser::endParagraph(ParagraphEnd end) {
    if (m_textOnly) {
        m_text += end == ParagraphEnd::Cell ? QChar(u'\t') : QChar(u'\r');
        m_hasContent = false;
        m_anyParagraph = true;
        return;
    }
    CharFormat mark = currentFormat();
    flushRun();
    mark.field.clear(); // a paragraph mark is no part of a field's result
    m_paragraph.alignment = state().alignment;
    m_paragraph.layout = state().layout;
    dropLevelIndent(m_paragraph.layout);
    m_paragraph.end = end;
    m_paragraph.tableWords = std::move(m_tableWords);
    m_tableWords.clear();
    m_paragraph.mark = std::move(mark);
    m_document.paragraphs.push_back(std::move(m_paragraph));
    m_paragraph = Paragraph{};
    m_runOpen = false;
}

} // namespace

RichDocument RtfReader::read(std::string_view rtf) {
    return Parser(rtf, false).run();
}

QString RtfReader::readControlText(std::string_view rtf) {
    Parser parser(rtf, true);
    parser.run();
    QString text = parser.text();
    // Surrogates are repaired run by run, and runs are what this reading does not know.
    const bool surrogates =
        parser.surrogates() &&
        std::any_of(text.cbegin(), text.cend(), [](QChar ch) { return ch.isSurrogate(); });
    return surrogates ? controlText(read(rtf)) : text;
}

bool RtfReader::isRtf(std::string_view text) {
    return text.substr(0, 5) == "{\\rtf";
}

} // namespace richtext
