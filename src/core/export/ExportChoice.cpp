#include "export/ExportChoice.h"

#include "store/QuotedIdList.h"
#include "store/SqlBuffer.h"
#include "store/SqlDatabase.h"
#include "store/TimeStamp.h"

#include <set>

std::string EntryChoiceCondition(const ExportChoice& choice) {
    SqlBuffer sql;
    std::string condition = "1=1";
    if (choice.scope == ExportChoice::Scope::Selected)
        condition = sql.format("EntryID = '%q'", choice.entryId.c_str());
    else if (choice.scope == ExportChoice::Scope::Folder)
        condition = sql.format("FolderID = '%q'", choice.folderId.c_str());

    // A single entry is taken as chosen, whatever its date: Print Journal does the same.
    if (choice.between && choice.scope != ExportChoice::Scope::Selected) {
        const std::string from = MakeTimeStamp(choice.from);
        const std::string to = MakeTimeStamp(choice.to);
        condition += sql.format(" AND [TimeStamp] BETWEEN '%q' AND '%q'", from.c_str(), to.c_str());
    }
    if (!choice.topicIds.empty()) {
        // Distinct ids: naming a topic twice must not ask for it twice.
        const std::set<std::string> distinct(choice.topicIds.begin(), choice.topicIds.end());
        const std::vector<std::string> ids(distinct.begin(), distinct.end());
        condition += sql.format(" AND EntryID IN (SELECT EntryID FROM Entry2Topic WHERE TopicID "
                                "IN (%s) GROUP BY EntryID HAVING Count(DISTINCT TopicID)=%d)",
                                QuotedIdList(ids).c_str(), static_cast<int>(ids.size()));
    }
    return condition;
}

std::vector<long long> ChosenEntryRows(SqlDatabase& db, const ExportChoice& choice) {
    SqlBuffer sql;
    sql.format("SELECT rowid FROM Entry WHERE %s ORDER BY [TimeStamp], rowid;",
               EntryChoiceCondition(choice).c_str());
    std::vector<long long> rows;
    for (SqlQuery query = db.query(sql.c_str()); !query.eof(); query.nextRow())
        rows.push_back(std::stoll(query.textField(0, "0")));
    return rows;
}
