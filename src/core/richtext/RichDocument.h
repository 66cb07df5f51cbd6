#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The styled text of one entry, as the editor and the RTF reader and writer see it.
//
// Text is UTF-16. A tab is '\t'; a line break inside a paragraph is U+2028 (what QTextDocument
// uses too); paragraph breaks are the boundaries between paragraphs and never appear as text.
// Every formatting feature the Windows control writes has a place here, so that an entry read
// and written back keeps it.

namespace richtext {

inline constexpr QChar kLineBreak = QChar(0x2028);

// Size a run gets when a document says nothing: 12 pt.
inline constexpr int kDefaultHalfPoints = 24;

// The underline kinds the Windows control writes (\ul, \ulw, \uldb, \uld, ...).
enum class UnderlineStyle : std::uint8_t {
    Single,
    Words,
    Double,
    Dotted,
    Dash,
    DashDot,
    DashDotDot,
    Wave,
    Thick,
    Hairline,
    DoubleWave,
    HeavyWave,
    LongDash,
    ThickDotted,
    ThickDash,
    ThickDashDot,
    ThickDashDotDot,
    ThickLongDash,
};

enum class VerticalPosition : std::uint8_t { Baseline, Superscript, Subscript };

struct CharFormat {
    QString face;
    int halfPoints = kDefaultHalfPoints;
    std::optional<std::uint32_t> color; // 0xRRGGBB; empty means the automatic colour
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    // Which underline; Single whenever underline is off.
    UnderlineStyle underlineStyle = UnderlineStyle::Single;
    std::optional<std::uint32_t> highlight;  // \highlight
    std::optional<std::uint32_t> background; // \cb, \chcbpat
    VerticalPosition vertical = VerticalPosition::Baseline;
    int offset = 0; // half-points raised (\up) or, negative, lowered (\dn)
    // The instruction of the field (hyperlink, page number, ...) this text is the result of;
    // empty outside fields. Adjacent runs with the same instruction form one field.
    QString field;

    friend bool operator==(const CharFormat&, const CharFormat&) = default;
};

struct Image {
    enum class Kind { Png, Jpeg };
    Kind kind = Kind::Png;
    QByteArray data;      // the encoded file, as embedded
    int widthPixels = 0;  // picture size as stored (\picw, \pich)
    int heightPixels = 0; //
    int widthTwips = 0;   // size shown (\picwgoal, \pichgoal, scaling applied)
    int heightTwips = 0;  //

    friend bool operator==(const Image&, const Image&) = default;
};

// A stretch of equally formatted text, or one picture (then text is empty and format unused).
struct Run {
    CharFormat format;
    QString text;
    std::optional<Image> image;

    friend bool operator==(const Run&, const Run&) = default;
};

enum class Alignment { Left, Center, Right, Justify };

// Bullets and numbering in the \pn form: the control writes the numbering group on the first
// paragraph of a list and a \pntext result on every one.
struct ListFormat {
    enum class Level : std::uint8_t { Bullet, Body, Continue, Outline };
    enum class Style : std::uint8_t {
        Decimal,
        UpperRoman,
        LowerRoman,
        UpperLetter,
        LowerLetter,
        Cardinal,
        Ordinal,
        OrdinalText,
    };
    Level level = Level::Bullet;
    int outlineLevel = 0; // 1-9 with Level::Outline
    Style style = Style::Decimal;
    int start = 1;
    int indent = 0;         // twips from the number to the text (\pnindent)
    int space = 0;          // \pnsp
    QString font;           // face of the number or bullet (\pnf); empty: the paragraph's
    QString before;         // \pntxtb: the bullet character, or text before the number
    QString after;          // \pntxta: text after the number, such as "." or ")"
    std::string otherWords; // further \pn words as read (\pnhang, \pnb, ...), written back

    bool numbered() const { return level == Level::Body || level == Level::Outline; }

    friend bool operator==(const ListFormat&, const ListFormat&) = default;
};

// How a paragraph ends: \par, \cell (or \nestcell), \row (or \nestrow), \page.
enum class ParagraphEnd : std::uint8_t { Paragraph, Cell, Row, Page };

// The paragraph properties beyond alignment. Distances are in twips.
struct ParagraphLayout {
    int leftIndent = 0;        // \li
    int rightIndent = 0;       // \ri
    int firstIndent = 0;       // \fi, relative to the left indent
    int spaceBefore = 0;       // \sb
    int spaceAfter = 0;        // \sa
    int lineSpacing = 0;       // \sl: 0 single, > 0 at least, < 0 exactly; 240ths of a line
    bool lineMultiple = false; // \slmult1
    std::optional<ListFormat> list;
    int listOverride = 0; // \ls: entry of the document's list override table, 0 none
    int listLevel = 0;    // \ilvl
    int tableLevel = 0;   // 0 outside tables, 1 in a table (\intbl), 2+ nested (\itap)

    friend bool operator==(const ParagraphLayout&, const ParagraphLayout&) = default;
};

struct Paragraph {
    Alignment alignment = Alignment::Left;
    std::vector<Run> runs;
    CharFormat mark; // format of the paragraph mark; sets the height of an empty line
    ParagraphLayout layout;
    ParagraphEnd end = ParagraphEnd::Paragraph;
    // Table-row definition words (\trowd, \cellx, borders, ...) read in this paragraph, in
    // order, as RTF; a row's definition is what these words say when its \row comes.
    std::string tableWords;

    friend bool operator==(const Paragraph&, const Paragraph&) = default;
};

struct RichDocument {
    std::vector<Paragraph> paragraphs;
    // The list tables of list-table numbering, kept as read (RTF groups, 7-bit).
    std::string listTable;
    std::string listOverrideTable;

    friend bool operator==(const RichDocument&, const RichDocument&) = default;
};

// Appends text in the given format to the paragraph, joining it to the last run when that
// has the same format, so equal models compare equal however their text arrived.
void appendText(Paragraph& paragraph, const CharFormat& format, QStringView text);
// The same, taking the text's own string when it starts a run.
void appendText(Paragraph& paragraph, const CharFormat& format, QString&& text);

void appendImage(Paragraph& paragraph, Image image);

} // namespace richtext
