#include "core/browser/FolderTreeData.h"
#include "support/TestJournal.h"

#include <gtest/gtest.h>

namespace {

// "name(child,child)" for compact comparisons.
std::string shape(const std::vector<FolderNode>& nodes) {
    std::string out;
    for (const FolderNode& node : nodes) {
        if (!out.empty())
            out += ",";
        out += node.name;
        if (!node.children.empty())
            out += "(" + shape(node.children) + ")";
    }
    return out;
}

} // namespace

// Depth first in table order; a damaged tree shows every reachable folder once.
TEST(FolderTreeData, LoadsDepthFirstInTableOrderAndDamageOnce) {
    TestJournal journal;
    journal.addFolder("{A}", "{Root}", "A");
    journal.addFolder("{B}", "{Root}", "B");
    journal.addFolder("{A1}", "{A}", "A1");
    journal.addFolder("{A1x}", "{A1}", "A1x");
    journal.addFolder("{A2}", "{A}", "A2");
    journal.addFolder("{A}", "{A1x}", "A again"); // a cycle through a repeated id
    journal.addFolder("{C}", "{C}", "self");      // its own parent: unreachable
    journal.addFolder("{D}", "{gone}", "orphan");
    journal.addFolder("{Root}", "{A}", "root again");
    EXPECT_EQ(shape(LoadFolderChildren(journal.db())), "A(A1(A1x),A2),B");
    EXPECT_EQ(FolderRootLabel("", "diary.qbk"), "diary.qbk (all entries)");
    EXPECT_EQ(FolderRootLabel("Mine", "diary.qbk"), "Mine (all entries)");
}

TEST(FolderTreeData, DeepChainsNeedNoRecursion) {
    TestJournal journal;
    journal.db().execute("BEGIN");
    std::string parent = "{Root}";
    const int depth = 3000;
    for (int i = 0; i < depth; ++i) {
        const std::string id = "{" + std::to_string(i) + "}";
        journal.addFolder(id, parent, "f");
        parent = id;
    }
    journal.db().execute("COMMIT");
    const auto tree = LoadFolderChildren(journal.db());
    int levels = 0;
    for (const std::vector<FolderNode>* level = &tree; !level->empty();
         level = &level->front().children)
        ++levels;
    EXPECT_EQ(levels, depth);
}
