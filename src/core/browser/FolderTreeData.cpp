#include "core/browser/FolderTreeData.h"

#include "core/platform/TextEncoding.h"
#include "core/store/ConfigRow.h"
#include "core/store/FolderTable.h"
#include "core/store/SqlQuery.h"

#include <QCoreApplication>

#include <set>
#include <utility>

namespace {

std::vector<FolderNode> childRows(SqlDatabase& db, const std::string& parentId) {
    SqlQuery query = FolderTable(db).Children(parentId);
    std::vector<FolderNode> rows;
    for (; !query.eof(); query.nextRow())
        rows.push_back(FolderNode{query.textField("FolderID"), query.textField("Name"), {}});
    query.finalize();
    return rows;
}

} // namespace

std::string FolderRootLabel(const std::string& title, const std::string& fileName) {
    return textToStored(QCoreApplication::translate("FolderTreeData", "%1 (all entries)")
                            .arg(storedToText(ConfigRow::ShownTitle(title, fileName))));
}

std::vector<FolderNode> LoadFolderChildren(SqlDatabase& db, const std::string& rootId) {
    std::vector<FolderNode> top;
    std::set<std::string> shown{rootId};

    // Depth first with an explicit stack: each entry is a node whose children are still to be
    // read. All children of a folder are placed before any of them is expanded, so an id that
    // a damaged file repeats stays at the first place met in that order.
    struct Pending {
        std::vector<FolderNode>* children;
        std::string id;
    };
    std::vector<Pending> stack{{&top, rootId}};
    while (!stack.empty()) {
        Pending current = std::move(stack.back());
        stack.pop_back();
        for (FolderNode& row : childRows(db, current.id)) {
            if (!shown.insert(row.id).second)
                continue;
            current.children->push_back(std::move(row));
        }
        // Expand in reverse so the first child is read first.
        for (auto it = current.children->rbegin(); it != current.children->rend(); ++it)
            stack.push_back({&it->children, it->id});
    }
    return top;
}
