#include "core/browser/FolderEdits.h"

#include "core/browser/BrowserMessages.h"
#include "core/browser/FolderTreeData.h"
#include "core/platform/NameCollation.h"
#include "core/store/ConfigRow.h"
#include "core/store/FolderTable.h"
#include "core/store/SqlQuery.h"

std::string ReadRootLabel(SqlDatabase& db, const std::string& fileName) {
    SqlQuery config = ConfigRow(db).Read();
    const std::string title = config.eof() ? std::string() : config.textField("Title");
    config.finalize();
    return FolderRootLabel(title, fileName);
}

void InsertNewFolder(SqlDatabase& db, const std::string& folderId, const std::string& parentId) {
    FolderTable(db).Insert(folderId, parentId, BrowserMessages::kNewFolderName);
}

int SortedInsertPosition(const QStringList& siblingNames, const QString& name) {
    int position = 0;
    while (position < siblingNames.size() && CompareNames(siblingNames[position], name) <= 0)
        ++position;
    return position;
}
