#include "core/print/EntryChoice.h"

#include "core/store/QuotedIdList.h"
#include "core/store/SqlBuffer.h"
#include "core/store/SqlDatabase.h"
#include "core/store/SqlQuery.h"
#include "core/store/TimeStamp.h"

#include <cstdlib>
#include <set>

COleDateTime StartOfDay(const COleDateTime& day) {
    return COleDateTime(day.GetYear(), day.GetMonth(), day.GetDay(), 0, 0, 0);
}

COleDateTime EndOfDay(const COleDateTime& day) {
    return COleDateTime(day.GetYear(), day.GetMonth(), day.GetDay(), 23, 59, 59);
}

std::string EntryChoiceCondition(const EntryChoice& choice) {
    SqlBuffer sql;
    std::string condition = "1=1";
    if (choice.what == EntryChoice::SelectedEntry)
        condition = sql.format("EntryID = '%q'", choice.entryId.c_str());
    else if (choice.what == EntryChoice::CurrentFolder)
        condition = sql.format("FolderID = '%q'", choice.folderId.c_str());

    // The selected entry is taken whatever its date.
    if (choice.between && choice.what != EntryChoice::SelectedEntry) {
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

std::vector<long long> ChosenEntryRows(SqlDatabase& db, const EntryChoice& choice) {
    SqlBuffer sql;
    sql.format("SELECT rowid FROM Entry WHERE %s ORDER BY [TimeStamp], rowid;",
               EntryChoiceCondition(choice).c_str());
    std::vector<long long> rows;
    SqlQuery query = db.query(sql.c_str());
    for (; !query.eof(); query.nextRow())
        rows.push_back(std::strtoll(query.textField(0).c_str(), nullptr, 10));
    query.finalize();
    return rows;
}
