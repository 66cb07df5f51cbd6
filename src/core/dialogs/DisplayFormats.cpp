#include "dialogs/DisplayFormats.h"

std::optional<std::size_t> dateFormatIndex(std::string_view format) {
    for (std::size_t i = 0; i < kDateFormats.size(); ++i) {
        if (kDateFormats[i].format == format) {
            return i;
        }
    }
    return std::nullopt;
}

int timeFormatIndex(std::string_view format) {
    if (format == kTimeFormats[0]) {
        return 0;
    }
    return format == kTimeFormats[1] ? 1 : 2;
}

std::string_view timeFormatForIndex(int index) {
    return index == 0 || index == 1 ? kTimeFormats[static_cast<std::size_t>(index)]
                                    : kTimeFormats[2];
}
