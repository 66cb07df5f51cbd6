#include "core/store/SqlQuote.h"

std::string SqlQuote(std::string_view text) {
    std::string quoted;
    quoted.reserve(text.size() + 8);
    for (const char c : text) {
        quoted += c;
        if (c == '\'')
            quoted += '\'';
    }
    return quoted;
}
