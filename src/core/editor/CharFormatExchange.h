#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

// A character format as the editor exchanges it (the format bar sends the face or size chosen,
// the entry view sends the selection's format back): which attributes it names (mask), the
// on/off effects, the size in twips, the colour, the face. An attribute whose mask bit is
// clear is either left alone (when applying) or mixed over the selection (when captured).
struct PendingCharFormat {
    enum Bit : unsigned {
        Bold = 1u << 0,
        Italic = 1u << 1,
        Underline = 1u << 2,
        StrikeOut = 1u << 3,
        Size = 1u << 4,
        Face = 1u << 5,
        Color = 1u << 6,
        Superscript = 1u << 7,
        Subscript = 1u << 8,
    };
    static constexpr unsigned kEffects =
        Bold | Italic | Underline | StrikeOut | Superscript | Subscript;
    // What the Font dialog shows and lets the user change.
    static constexpr unsigned kFontDialog = Bold | Italic | Underline | StrikeOut | Size | Face;
    static constexpr unsigned kAll = kEffects | Size | Face | Color;

    unsigned mask = 0;
    unsigned effects = 0;
    int heightTwips = 0;
    unsigned color = 0; // 0xRRGGBB
    std::string faceName;

    bool names(unsigned bits) const { return (mask & bits) == bits; }
    bool operator==(const PendingCharFormat&) const = default;
};

namespace CharFormatRules {

// The selection's format from the formats of its pieces: an attribute that differs between
// pieces is left out of the mask. No pieces gives an empty mask.
PendingCharFormat combine(const std::vector<PendingCharFormat>& pieces);

// Bold, italic or underline pressed over a selection with this format: on unless it is
// already on everywhere. The result names only that effect.
PendingCharFormat toggled(const PendingCharFormat& selection, PendingCharFormat::Bit effect);

// What OK in the Font dialog applies: only the attributes the user changed there, that is
// those whose chosen value differs from what the dialog showed on opening (a face that is not
// installed shows as the face standing in for it; a mixed attribute shows as the dialog's
// default). Everything else each piece of the selection keeps.
PendingCharFormat changedInFontDialog(const PendingCharFormat& shown,
                                      const PendingCharFormat& chosen);

// The sizes the size box lists, in points.
inline constexpr std::array<int, 17> kListedSizes{8,  9,  10, 11, 12, 14, 16, 18, 20,
                                                  22, 24, 26, 28, 32, 36, 48, 72};

// What the face box shows for the selection: its face exactly (installed or not), or
// nothing when the selection mixes faces.
std::string faceBoxText(const PendingCharFormat& selection);
// What the size box shows: the size in points exactly ("10.5", "13"), or nothing when mixed.
std::string sizeBoxText(const PendingCharFormat& selection);
// Points written as the boxes show them: "12", "10.5", "10.25".
std::string pointsText(int twips);

// A face chosen in the face box: a format naming only that face; nothing for an empty text.
std::optional<PendingCharFormat> faceChoice(const std::string& text);
// A size typed or chosen in the size box ("12", "10.5", " 9 "): a format naming only that
// size; nothing for a text that is not a size from 1 to 1638 points.
std::optional<PendingCharFormat> sizeChoice(const std::string& text);

} // namespace CharFormatRules
