#pragma once

#include "core/richtext/RichDocument.h"
#include "core/richtext/RtfKeywords.h"

#include <optional>
#include <string_view>

namespace richtext {

// Collects one \pict group. Only PNG and JPEG pictures are kept; the data of others is not
// even gathered.
class RtfPicture {
public:
    void keyword(RtfKeyword keyword, int param);
    void hexText(std::string_view text);
    void binary(std::string_view bytes);

    // The picture, when it is one we keep and has data.
    std::optional<Image> take();

private:
    std::optional<Image::Kind> m_kind;
    QByteArray m_data;
    int m_highNibble = -1;
    int m_width = 0;
    int m_height = 0;
    int m_widthGoal = 0;
    int m_heightGoal = 0;
    int m_scaleX = 100;
    int m_scaleY = 100;
};

} // namespace richtext
