#pragma once

#include <string>
#include <string_view>
#include <vector>

// Lists of ids as SQL text: "'a','b'". Each id is quoted (apostrophes doubled), so the list is
// safe inside "In (...)", and reading it back gives exactly the ids, which a plain text search
// would not ("'AB'" contains "A").

// Appends the id, quoted, after a "," unless the list is empty.
void AppendQuotedId(std::string& list, std::string_view id);

// The ids of a list written by AppendQuotedId. Blanks around the items are skipped; text that
// is not a quoted item is read up to the next comma as it stands.
std::vector<std::string> ParseQuotedIdList(std::string_view list);
