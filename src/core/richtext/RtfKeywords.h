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
    Tab,
    Line,
    // characters
    Plain,
    Font,
    FontSize,
    Color,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
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
