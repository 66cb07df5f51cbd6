// Every project include follows the layer order: a folder includes only itself and the folders
// below it, so the core's folders stay a graph without cycles. The link order catches most back
// edges; a header-only one would slip through without this.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;

// What each unit may include directly; the units below those are reachable through them.
const std::map<std::string, std::set<std::string>> kBelow = {
    {"core/platform", {}},
    {"core/richtext", {"core/platform"}},
    {"core/protect", {"core/platform"}},
    {"core/spelling", {"core/platform"}},
    {"core/store", {"core/richtext", "core/protect"}},
    {"core/session", {"core/store"}},
    {"core/print", {"core/store"}},
    {"core/browser", {"core/session"}},
    {"core/dialogs", {"core/browser"}},
    {"core/editor", {"core/session"}},
    {"core/export", {"core/print", "core/browser"}},
    {"core/import", {"core/export", "core/dialogs"}},
    {"core", {"core/import", "core/dialogs", "core/editor", "core/spelling"}},
    {"render", {"core"}},
    {"cli", {"render"}},
    {"gui", {"render"}},
};

// "core/store/SqlQuery.h" -> "core/store"; "render/X.h" -> "render"; "gui/app/Y.h" -> "gui".
std::string unitOf(const std::string& path) {
    const std::string layer = path.substr(0, path.find('/'));
    if (layer != "core")
        return layer;
    const auto second = path.find('/', 5);
    return second == std::string::npos ? layer : path.substr(0, second);
}

void addReachable(const std::string& unit, std::set<std::string>& into) {
    for (const std::string& below : kBelow.at(unit)) {
        if (into.insert(below).second)
            addReachable(below, into);
    }
}

bool mayInclude(const std::string& from, const std::string& to) {
    std::set<std::string> reachable{from};
    addReachable(from, reachable);
    return reachable.count(to) != 0;
}

} // namespace

TEST(LayerOrder, EveryIncludePointsDownTheLayers) {
    const fs::path src = fs::path(QUILLBOOK_SOURCE_DIR) / "src";
    const std::regex include(R"re(^\s*#\s*include\s+"((core|render|gui|cli)/[^"]+)")re");
    std::map<std::string, std::set<std::string>> edges;
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".cpp" && ext != ".h")
            continue;
        files += ext == ".cpp";
        const std::string from = unitOf(fs::relative(entry.path(), src).generic_string());
        std::ifstream in(entry.path());
        std::smatch match;
        for (std::string line; std::getline(in, line);) {
            if (!std::regex_search(line, match, include))
                continue;
            const std::string to = unitOf(match[1]);
            EXPECT_TRUE(kBelow.count(from) && kBelow.count(to) && mayInclude(from, to))
                << entry.path().generic_string() << " includes " << match[1] << ": " << from
                << " may not depend on " << to;
            if (to != from)
                edges[from].insert(to);
        }
    }
    EXPECT_GT(files, 150);
    // The folders below one another in the table never reach back: no include cycle.
    for (const auto& [from, tos] : edges) {
        for (const std::string& to : tos)
            EXPECT_FALSE(mayInclude(to, from)) << from << " and " << to << " include each other";
    }
}
