#include "core/browser/TopicItems.h"

#include "core/platform/NameCollation.h"
#include "core/platform/TextEncoding.h"
#include "core/store/SqlQuery.h"
#include "core/store/TopicTable.h"

#include <algorithm>

std::vector<TopicItem> LoadTopicItems(SqlDatabase& db) {
    std::vector<TopicItem> items;
    SqlQuery query = TopicTable(db).All();
    for (; !query.eof(); query.nextRow())
        items.push_back(TopicItem{query.textField("TopicID"), query.textField("Name")});
    query.finalize();
    // Names that compare equal keep the table's order.
    std::stable_sort(items.begin(), items.end(), [](const TopicItem& a, const TopicItem& b) {
        return CompareNames(storedToText(a.name), storedToText(b.name)) < 0;
    });
    return items;
}
