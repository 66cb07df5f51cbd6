#include "core/richtext/RtfFontTable.h"

namespace richtext {

void RtfFontTable::beginEntry(int number, size_t depth) {
    if (!m_pending.name.isEmpty())
        endEntry();
    m_pending = Font{};
    m_number = number;
    m_depth = depth;
}

void RtfFontTable::appendToName(QChar ch) {
    if (m_pending.name.size() < kMaxNameLength)
        m_pending.name.append(ch);
}

void RtfFontTable::endEntry() {
    m_pending.name = m_pending.name.trimmed();
    m_fonts[m_number] = std::move(m_pending);
    m_pending = Font{};
    ++m_version;
}

void RtfFontTable::closeGroup(size_t depth) {
    if (depth <= m_depth && !m_pending.name.isEmpty())
        endEntry();
}

const RtfFontTable::Font* RtfFontTable::find(int number) const {
    auto it = m_fonts.find(number < 0 ? m_default : number);
    if (it == m_fonts.end())
        it = m_fonts.find(m_default);
    return it == m_fonts.end() ? nullptr : &it->second;
}

} // namespace richtext
