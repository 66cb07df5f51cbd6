#include "core/richtext/RtfColorTable.h"

#include <algorithm>

namespace richtext {

void RtfColorTable::setComponent(Component component, int value) {
    const auto shift = static_cast<unsigned>(component);
    const auto byte = static_cast<std::uint32_t>(std::clamp(value, 0, 255));
    m_pending = (m_pending.value_or(0) & ~(0xFFu << shift)) | byte << shift;
}

void RtfColorTable::endEntry() {
    m_colors.push_back(m_pending);
    m_pending.reset();
}

std::optional<std::uint32_t> RtfColorTable::color(int index) const {
    if (index <= 0 || static_cast<size_t>(index) >= m_colors.size())
        return std::nullopt;
    return m_colors[static_cast<size_t>(index)];
}

} // namespace richtext
