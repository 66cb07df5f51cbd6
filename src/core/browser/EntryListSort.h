#pragma once

#include "core/browser/EntryRow.h"

#include <cstddef>
#include <vector>

// How the entry lists are sorted. The state is shared by every entry list for the life of
// the program, so a sort chosen once survives folder changes, reloads and other journals.
struct EntryListSortState {
    int column = 0; // 0 date, 1 comment, 2 "In Folder" while shown else topics, 3 topics
    bool ascending = true;
    bool inFolderShown = false;

    static constexpr int kInFolderColumn = 2;

    // The "In Folder" column goes in or out at position 2. A sort keeps its meaning: the
    // columns to its right move with it, and a sort by the column that goes becomes a sort by
    // date. Both return whether anything changed.
    bool showInFolder();
    bool hideInFolder();

    // The direction a click on a column header asks for: the opposite of the current one on
    // the sorted column, ascending on any other.
    bool ascendingForClick(int column) const;
};

// The one state all entry lists share.
EntryListSortState& SharedEntryListSort();

// The positions of the rows in sorted order by a column; rows that compare equal keep their
// order. A list sorts positions rather than rows so that its selection can follow its row.
std::vector<std::size_t> SortedRowOrder(const std::vector<EntryRow>& rows, int column,
                                        bool ascending, bool inFolderShown);

// The rows put in the order of the sort (a new listing, before any list shows it).
void SortRows(std::vector<EntryRow>& rows, const EntryListSortState& sort);
