#pragma once

#include <algorithm>
#include <string_view>
#include <vector>

// The order of the topic dialogs' lists: by name as the user reads it, in the locale's
// collation and ignoring case (names are compared as decoded text, see CompareNames). Names that
// compare equal keep the order they had: the table's order after a fill, and a renamed or added
// topic goes after the equal names already listed.

// Whether a topic named a sorts before one named b (stored bytes).
bool TopicNameLess(std::string_view a, std::string_view b);

template <class Item, class NameOf> void SortByTopicName(std::vector<Item>& items, NameOf nameOf) {
    std::stable_sort(items.begin(), items.end(), [&](const Item& a, const Item& b) {
        return TopicNameLess(nameOf(a), nameOf(b));
    });
}

// Where an item named name goes in a list sorted by SortByTopicName.
template <class Item, class NameOf>
std::size_t TopicNamePosition(const std::vector<Item>& items, std::string_view name,
                              NameOf nameOf) {
    const auto at = std::upper_bound(items.begin(), items.end(), name,
                                     [&](std::string_view value, const Item& item) {
                                         return TopicNameLess(value, nameOf(item));
                                     });
    return static_cast<std::size_t>(at - items.begin());
}
