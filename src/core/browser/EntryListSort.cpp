#include "core/browser/EntryListSort.h"

#include "core/browser/EntryRows.h"
#include "core/platform/TextEncoding.h"

#include <QString>

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
    if (!rows.empty() && EntrySortText(rows.front(), column, inFolderShown)) {
        // Each text is decoded once rather than at every comparison.
        std::vector<QString> keys;
        keys.reserve(rows.size());
        for (const EntryRow& row : rows)
            keys.push_back(storedToText(*EntrySortText(row, column, inFolderShown)));
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            const int compared = keys[a].compare(keys[b], Qt::CaseInsensitive);
            return ascending ? compared < 0 : compared > 0;
        });
        return order;
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int compared = CompareEntryRows(rows[a], rows[b], column, inFolderShown);
        return ascending ? compared < 0 : compared > 0;
    });
    return order;
}

void SortRows(std::vector<EntryRow>& rows, const EntryListSortState& sort) {
    const std::vector<std::size_t> order =
        SortedRowOrder(rows, sort.column, sort.ascending, sort.inFolderShown);
    std::vector<EntryRow> sorted;
    sorted.reserve(rows.size());
    for (const std::size_t at : order)
        sorted.push_back(std::move(rows[at]));
    rows = std::move(sorted);
}
