#pragma once

#include <string>
#include <string_view>
#include <vector>

// Lists of ids as SQL text: "'a','b'". Each id is quoted (apostrophes doubled), so the list is
// safe inside "In (...)", and reading it back gives exactly the ids, which a plain text search
// would not ("'AB'" contains "A").

// Single-quoted ids (apostrophes doubled by SQLite's %q, which ends an id at a zero byte as the
// statement text would) joined by the separator, for an IN list.
std::string QuotedIdList(const std::vector<std::string>& ids, const char* separator = ", ");

// Appends the id, quoted, after a "," unless the list is empty.
void AppendQuotedId(std::string& list, std::string_view id);

// The ids of a list written by AppendQuotedId. Blanks around the items are skipped; text that
// is not a quoted item is read up to the next comma as it stands.
std::vector<std::string> ParseQuotedIdList(std::string_view list);
