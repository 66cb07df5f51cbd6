#include "core/store/QuotedIdList.h"

#include "core/store/SqlBuffer.h"
#include "core/store/SqlQuote.h"

std::string QuotedIdList(const std::vector<std::string>& ids, const char* separator) {
    std::string list;
    for (const std::string& id : ids) {
        if (!list.empty())
            list += separator;
        SqlBuffer quoted;
        list += quoted.format("'%q'", id.c_str());
    }
    return list;
}

void AppendQuotedId(std::string& list, std::string_view id) {
    if (!list.empty())
        list += ',';
    list += '\'';
    list += SqlQuote(id);
    list += '\'';
}

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

std::vector<std::string> ParseQuotedIdList(std::string_view list) {
    std::vector<std::string> ids;
    std::size_t i = 0;
    const std::size_t n = list.size();
    while (i < n) {
        while (i < n && isBlank(list[i]))
            ++i;
        if (i == n)
            break;
        std::string id;
        if (list[i] == '\'') {
            ++i;
            while (i < n) {
                if (list[i] == '\'') {
                    if (i + 1 < n && list[i + 1] == '\'') {
                        id += '\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                id += list[i++];
            }
            // Anything after the closing apostrophe up to the comma is not part of an id.
            while (i < n && list[i] != ',')
                ++i;
        } else {
            while (i < n && list[i] != ',')
                id += list[i++];
            while (!id.empty() && isBlank(id.back()))
                id.pop_back();
        }
        ids.push_back(std::move(id));
        if (i < n && list[i] == ',')
            ++i;
    }
    return ids;
}
