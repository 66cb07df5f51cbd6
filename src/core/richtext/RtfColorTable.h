#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace richtext {

// The \colortbl of a document: index 0 and entries without components are automatic.
class RtfColorTable {
public:
    enum Component { Red = 16, Green = 8, Blue = 0 };

    void setComponent(Component component, int value);
    void endEntry();

    // The colour for a \cf index; automatic for 0 and for indexes the table lacks.
    std::optional<std::uint32_t> color(int index) const;
    // Entries so far; grows with each one, so that built formats can tell the table changed.
    size_t size() const { return m_colors.size(); }

private:
    std::vector<std::optional<std::uint32_t>> m_colors;
    std::optional<std::uint32_t> m_pending;
};

} // namespace richtext
