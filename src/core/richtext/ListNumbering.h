#pragma once

#include "core/richtext/RichDocument.h"

#include <QString>

namespace richtext {

// The number of a numbered paragraph in a list's style: 4 as "4", "IV", "iv", "D" or "d".
// Roman numerals go up to 3999; larger numbers, and numbers below 1, are written in digits.
QString listNumberText(ListFormat::Style style, long long number);

// What a list paragraph shows before its text: the bullet, or the number with the text
// around it, as the \pntext result holds it.
QString listLabel(const ListFormat& list, long long number);

} // namespace richtext
