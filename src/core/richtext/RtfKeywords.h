#pragma once

#include <string_view>

// The RTF control words the reader acts on. Everything else is dropped (or, after \*, its
// whole group is skipped).

namespace richtext {

enum class RtfKeyword {
    Unknown,
    // document
    Ansi,
    AnsiCpg,
    Mac,
    Pc,
    Pca,
    Deff,
    Uc,
    U,
    Bin,
    // destinations
    FontTable,
    ColorTable,
    Picture,
    Object,
    Result,
    ShapePicture,
    SkipGroup,
    Field,
    FieldInstruction,
    FieldResult,
    ListTable,         // kept as read
    ListOverrideTable, // kept as read
    Numbering,         // \pn
    NumberBefore,      // \pntxtb
    NumberAfter,       // \pntxta
    NestTableProps,
    // font and colour tables
    FontCharset,
    Red,
    Green,
    Blue,
    // paragraphs
    Pard,
    Par,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    LineSpacing,
    LineMultiple,
    ListOverride,
    ListLevel,
    InTable,
    TableLevel,
    Cell,
    NestCell,
    Row,
    NestRow,
    Page,
    RowDefaults, // \trowd
    CellEdge,    // \cellx
    Tab,
    Line,
    // \pn numbering
    NumberLevel,
    NumberBullet,
    NumberBody,
    NumberContinue,
    NumberStyle, // RtfKeywordInfo::ch holds the ListFormat::Style
    NumberStart,
    NumberIndent,
    NumberSpace,
    NumberFont,
    // characters
    Plain,
    Font,
    FontSize,
    Color,
    Bold,
    Italic,
    Underline, // RtfKeywordInfo::ch holds the UnderlineStyle
    UnderlineNone,
    Strike,
    Highlight,
    Background,
    Superscript,
    Subscript,
    NoSuperSub,
    Up,
    Down,
    Character, // a special character, given by RtfKeywordInfo::ch
    // pictures
    PngBlip,
    JpegBlip,
    PicWidth,
    PicHeight,
    PicWidthGoal,
    PicHeightGoal,
    PicScaleX,
    PicScaleY,
};

struct RtfKeywordInfo {
    RtfKeyword keyword = RtfKeyword::Unknown;
    char16_t ch = 0;
};

RtfKeywordInfo lookUpRtfKeyword(std::string_view name);

} // namespace richtext
