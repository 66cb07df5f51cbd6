#pragma once

#include "core/richtext/RichDocument.h"

#include <string>

namespace richtext {

// A readable, line-per-item text of the model (UTF-8), for golden files and test failures.
// Equal dumps mean equal models, pictures compared by size and checksum.
std::string dumpDocument(const RichDocument& document);

} // namespace richtext
