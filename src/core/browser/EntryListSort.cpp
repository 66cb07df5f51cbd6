#include "core/browser/EntryListSort.h"

#include "core/browser/EntryRows.h"

#include <algorithm>
#include <numeric>

bool EntryListSortState::showInFolder() {
    if (inFolderShown)
        return false;
    inFolderShown = true;
    if (column >= kInFolderColumn)
        ++column;
    return true;
}

bool EntryListSortState::hideInFolder() {
    if (!inFolderShown)
        return false;
    inFolderShown = false;
    if (column > kInFolderColumn)
        --column;
    else if (column == kInFolderColumn)
        column = 0; // the folder column went: sort by date
    return true;
}

bool EntryListSortState::ascendingForClick(int clicked) const {
    return clicked == column ? !ascending : true;
}

EntryListSortState& SharedEntryListSort() {
    static EntryListSortState state;
    return state;
}

std::vector<std::size_t> SortedRowOrder(const std::vector<EntryRow>& rows, int column,
                                        bool ascending, bool inFolderShown) {
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int compared = CompareEntryRows(rows[a], rows[b], column, inFolderShown);
        return ascending ? compared < 0 : compared > 0;
    });
    return order;
}
