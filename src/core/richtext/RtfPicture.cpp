#include "core/richtext/RtfPicture.h"

#include "core/richtext/RtfTokenizer.h"

#include <algorithm>

namespace richtext {

namespace {

constexpr int kMaxSize = 1 << 20; // pixels or twips; far beyond any real picture

int clampInt(long long value, int low, int high) {
    return static_cast<int>(std::clamp<long long>(value, low, high));
}

} // namespace

void RtfPicture::keyword(RtfKeyword keyword, int param) {
    const int size = clampInt(param, 0, kMaxSize);
    switch (keyword) {
    case RtfKeyword::PngBlip:
        m_kind = Image::Kind::Png;
        break;
    case RtfKeyword::JpegBlip:
        m_kind = Image::Kind::Jpeg;
        break;
    case RtfKeyword::PicWidth:
        m_width = size;
        break;
    case RtfKeyword::PicHeight:
        m_height = size;
        break;
    case RtfKeyword::PicWidthGoal:
        m_widthGoal = size;
        break;
    case RtfKeyword::PicHeightGoal:
        m_heightGoal = size;
        break;
    case RtfKeyword::PicScaleX:
        m_scaleX = clampInt(param, 1, 10000);
        break;
    case RtfKeyword::PicScaleY:
        m_scaleY = clampInt(param, 1, 10000);
        break;
    default:
        break;
    }
}

void RtfPicture::hexText(std::string_view text) {
    if (!m_kind)
        return;
    for (const char c : text) {
        const int nibble = hexDigitValue(static_cast<unsigned char>(c));
        if (nibble < 0)
            continue;
        if (m_highNibble < 0) {
            m_highNibble = nibble;
        } else {
            m_data.append(static_cast<char>(m_highNibble << 4 | nibble));
            m_highNibble = -1;
        }
    }
}

void RtfPicture::binary(std::string_view bytes) {
    if (m_kind)
        m_data.append(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::optional<Image> RtfPicture::take() {
    if (!m_kind || m_data.isEmpty())
        return std::nullopt; // metafiles, bitmaps and empty pictures are not kept
    Image image;
    image.kind = *m_kind;
    image.data = std::move(m_data);
    image.widthPixels = m_width;
    image.heightPixels = m_height;
    // Scaling can push a size past the bound, so clamp after it too.
    image.widthTwips = clampInt(static_cast<long long>(m_widthGoal) * m_scaleX / 100, 0, kMaxSize);
    image.heightTwips =
        clampInt(static_cast<long long>(m_heightGoal) * m_scaleY / 100, 0, kMaxSize);
    return image;
}

} // namespace richtext
