#include "core/browser/FolderEdits.h"

#include "core/browser/BrowserMessages.h"
#include "core/browser/FolderTreeData.h"
#include "core/store/SqlBuffer.h"
#include "core/store/SqlDatabase.h"
#include "core/store/SqlQuery.h"

std::string ReadRootLabel(SqlDatabase& db, const std::string& fileName) {
    SqlQuery config = db.query("select * from Config;");
    const std::string title = config.eof() ? std::string() : config.textField("Title");
    config.finalize();
    return FolderRootLabel(title, fileName);
}

void InsertNewFolder(SqlDatabase& db, const std::string& folderId, const std::string& parentId) {
    SqlBuffer sql;
    db.execute(sql.format("INSERT INTO Folder (FolderID, ParentID, Name) VALUES('%q', '%q', '%q')",
                          folderId.c_str(), parentId.c_str(), BrowserMessages::kNewFolderName));
}

int SortedInsertPosition(const QStringList& siblingNames, const QString& name) {
    int position = 0;
    while (position < siblingNames.size() &&
           siblingNames[position].compare(name, Qt::CaseInsensitive) <= 0)
        ++position;
    return position;
}
