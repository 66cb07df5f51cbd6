#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// The styled text of one entry, as the editor and the RTF reader and writer see it.
//
// Text is UTF-16. A tab is '\t'; a line break inside a paragraph is U+2028 (what QTextDocument
// uses too); paragraph breaks are the boundaries between paragraphs and never appear as text.

namespace richtext {

inline constexpr QChar kLineBreak = QChar(0x2028);

// Size a run gets when a document says nothing: 12 pt.
inline constexpr int kDefaultHalfPoints = 24;

struct CharFormat {
    QString face;
    int halfPoints = kDefaultHalfPoints;
    std::optional<std::uint32_t> color; // 0xRRGGBB; empty means the automatic colour
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;

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

enum class Alignment { Left, Center, Right };

struct Paragraph {
    Alignment alignment = Alignment::Left;
    std::vector<Run> runs;
    CharFormat mark; // format of the paragraph mark; sets the height of an empty line

    friend bool operator==(const Paragraph&, const Paragraph&) = default;
};

struct RichDocument {
    std::vector<Paragraph> paragraphs;

    friend bool operator==(const RichDocument&, const RichDocument&) = default;
};

// Appends text in the given format to the paragraph, joining it to the last run when that
// has the same format, so equal models compare equal however their text arrived.
void appendText(Paragraph& paragraph, const CharFormat& format, QStringView text);

void appendImage(Paragraph& paragraph, Image image);

} // namespace richtext
