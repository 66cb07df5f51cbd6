#pragma once

#include <string>
#include <string_view>

// Doubles every apostrophe, for values placed inside '...' in SQL text.
std::string SqlQuote(std::string_view text);
