#pragma once

#include <string>
#include <string_view>

// A fresh identifier in registry form: a brace, 8-4-4-4-12 upper-case hexadecimal digits
// joined by hyphens, and a closing brace (38 characters).
std::string NewGuidText();

// True when the text has exactly that shape.
bool IsGuidText(std::string_view text);
