#include "print/EntryChoice.h"

#include "store/SqlBuffer.h"
#include "store/SqlDatabase.h"
#include "store/SqlQuery.h"
#include "store/StoredText.h"
#include "store/TimeStamp.h"

#include <cstdlib>

COleDateTime StartOfDay(const COleDateTime& day) {
    return COleDateTime(day.GetYear(), day.GetMonth(), day.GetDay(), 0, 0, 0);
}

COleDateTime EndOfDay(const COleDateTime& day) {
    return COleDateTime(day.GetYear(), day.GetMonth(), day.GetDay(), 23, 59, 59);
}

std::string EntryChoiceStatement(const EntryChoice& choice) {
    SqlBuffer folder;
    SqlBuffer dates;
    if (choice.what == EntryChoice::SelectedEntry)
        folder.format("EntryID = '%q'", choice.entryId.c_str());
    else if (choice.what == EntryChoice::CurrentFolder)
        folder.format("FolderId = '%q'", choice.folderId.c_str());
    else
        folder.format("1=1");
    if (choice.between && choice.what != EntryChoice::SelectedEntry)
        dates.format("[TimeStamp] BETWEEN '%q' AND '%q'", MakeTimeStamp(choice.from).c_str(),
                     MakeTimeStamp(choice.to).c_str());
    else
        dates.format("1=1");
    SqlBuffer sql;
    return sql.format("SELECT rowid, EntryID FROM Entry WHERE %s AND %s "
                      "ORDER BY [TimeStamp], rowid;",
                      folder.c_str(), dates.c_str());
}

std::vector<ChosenEntry> ChooseEntries(SqlDatabase& db, const EntryChoice& choice) {
    std::vector<ChosenEntry> chosen;
    SqlQuery query = db.query(EntryChoiceStatement(choice));
    for (; !query.eof(); query.nextRow())
        chosen.push_back(
            {std::strtoll(query.textField(0).c_str(), nullptr, 10), query.textField(1)});
    query.finalize();
    return chosen;
}

PrintableEntry ReadPrintableEntry(SqlDatabase& db, const BlowfishEngine& cipher, std::int64_t rowid,
                                  const std::string& displayFormat) {
    SqlBuffer sql;
    SqlQuery query =
        db.query(sql.format("SELECT EntryText, TimeStamp FROM Entry WHERE rowid = %lld",
                            static_cast<long long>(rowid)));
    PrintableEntry entry;
    if (!query.eof()) {
        entry.text = DecipherFromStorage(query.fieldValue(0), cipher);
        entry.title = ParseTimeStamp(query.fieldValue(1)).Format(displayFormat);
    }
    query.finalize();
    return entry;
}
