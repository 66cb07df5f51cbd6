#include "dialogs/DisplayFormats.h"

std::string_view timeFormatForIndex(int index) {
    return index == 0 || index == 1 ? kTimeFormats[static_cast<std::size_t>(index)]
                                    : kTimeFormats[2];
}
