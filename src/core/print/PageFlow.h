#pragma once

#include "core/print/PageBreaks.h"

#include <vector>

// Where the entries of a print job go on its pages: each from a new page, or one after
// another. Every piece of an entry stands under a header (its date, "(continued)" on the
// pages after its first); an entry that follows another starts on the same page only when
// its header and its first lines fit there, so a header never stands alone at a page's end.
struct PageSlice {
    int page = 0; // the job's page, from 0
    int y = 0;    // where the header starts, down from the top of the page's body
    int top = 0;  // the text's lines shown, in the entry's own column
    int bottom = 0;
    bool continued = false; // a later piece of the entry
};

class PageFlow {
public:
    struct Sizes {
        int bodyHeight = 1;   // what a page holds for headers and text
        int headerHeight = 0; // the header above each piece; 0 without header
        int gap = 0;          // between two entries on one page
    };
    // Lines kept with an entry's header at the foot of a page.
    static constexpr int kKeptLines = 3;

    PageFlow();
    PageFlow(const Sizes& sizes, bool continuous);

    // The pieces of the next entry, whose text is lines in a column of totalHeight; at most
    // maxPages of them.
    std::vector<PageSlice> place(const std::vector<LineSpan>& lines, int totalHeight, int maxPages);
    // Pages used so far.
    int pageCount() const { return m_page + 1; }

private:
    Sizes m_sizes;
    bool m_continuous;
    int m_page = -1;
    int m_used = 0; // of the current page's body
};
