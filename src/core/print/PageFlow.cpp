#include "core/print/PageFlow.h"

#include <algorithm>

PageFlow::PageFlow() : PageFlow(Sizes{}, false) {}

PageFlow::PageFlow(const Sizes& sizes, bool continuous) : m_sizes(sizes), m_continuous(continuous) {
    m_sizes.bodyHeight = std::max(m_sizes.bodyHeight, 1);
    m_sizes.headerHeight = std::clamp(m_sizes.headerHeight, 0, m_sizes.bodyHeight - 1);
    m_sizes.gap = std::max(m_sizes.gap, 0);
}

std::vector<PageSlice> PageFlow::place(const std::vector<LineSpan>& lines, int totalHeight,
                                       int maxPages) {
    const int textHeight = m_sizes.bodyHeight - m_sizes.headerHeight;
    int y = m_used == 0 ? 0 : m_used + m_sizes.gap;
    if (m_page < 0 || !m_continuous) {
        ++m_page;
        y = 0;
    } else {
        // The header and the first lines of the text, or all of a shorter text, on this page.
        int kept = 0;
        int counted = 0;
        for (const LineSpan& line : lines)
            if (counted++ < kKeptLines)
                kept = std::max(kept, line.bottom);
        if (y + m_sizes.headerHeight + std::min(kept, textHeight) > m_sizes.bodyHeight) {
            ++m_page;
            y = 0;
        }
    }
    std::vector<int> starts =
        PageStarts(lines, totalHeight, m_sizes.bodyHeight - y - m_sizes.headerHeight, textHeight);
    if (starts.size() > static_cast<std::size_t>(std::max(maxPages, 1)))
        starts.resize(static_cast<std::size_t>(std::max(maxPages, 1)));

    std::vector<PageSlice> slices;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        PageSlice slice;
        slice.page = m_page + static_cast<int>(i);
        slice.y = i == 0 ? y : 0;
        slice.top = starts[i];
        slice.bottom = i + 1 < starts.size() ? starts[i + 1] : totalHeight;
        slice.continued = i > 0;
        slices.push_back(slice);
    }
    const PageSlice& last = slices.back();
    m_page = last.page;
    m_used = last.y + m_sizes.headerHeight + (last.bottom - last.top);
    return slices;
}
