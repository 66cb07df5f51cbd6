#include "core/print/EntryChoice.h"

#include "core/store/EntryTable.h"
#include "core/store/TimeStamp.h"

#include <map>
#include <set>

COleDateTime StartOfDay(const COleDateTime& day) {
    return COleDateTime(day.GetYear(), day.GetMonth(), day.GetDay(), 0, 0, 0);
}

COleDateTime EndOfDay(const COleDateTime& day) {
    return COleDateTime(day.GetYear(), day.GetMonth(), day.GetDay(), 23, 59, 59);
}

std::string EntryChoiceCondition(const EntryChoice& choice) {
    if (choice.what == EntryChoice::SelectedEntries)
        return EntryTable::ListingCondition(nullptr, &choice.entryIds);
    const bool selected = choice.what == EntryChoice::SelectedEntry;
    const bool inFolder = choice.what == EntryChoice::CurrentFolder;
    const std::pair<std::string, std::string> stamps{MakeTimeStamp(choice.from),
                                                     MakeTimeStamp(choice.to)};
    // Distinct ids: naming a topic twice must not ask for it twice.
    const std::set<std::string> distinct(choice.topicIds.begin(), choice.topicIds.end());
    return EntryTable::ChoiceCondition(
        selected ? &choice.entryId : nullptr, inFolder ? &choice.folderId : nullptr,
        choice.between ? &stamps : nullptr, {distinct.begin(), distinct.end()});
}

std::vector<long long> ChosenEntryRows(SqlDatabase& db, const EntryChoice& choice) {
    if (choice.what != EntryChoice::SelectedEntries)
        return EntryTable(db).RowidsByTime(EntryChoiceCondition(choice));
    const std::map<std::string, long long> found = EntryTable(db).FirstRowidsOf(choice.entryIds);
    std::vector<long long> rows;
    for (const std::string& entryId : choice.entryIds)
        if (const auto it = found.find(entryId); it != found.end())
            rows.push_back(it->second);
    return rows;
}
