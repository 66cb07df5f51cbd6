#include "core/browser/TopicItems.h"

#include "core/store/SqlQuery.h"
#include "core/store/TopicTable.h"

std::vector<TopicItem> LoadTopicItems(SqlDatabase& db) {
    std::vector<TopicItem> items;
    SqlQuery query = TopicTable(db).All();
    for (; !query.eof(); query.nextRow())
        items.push_back(TopicItem{query.textField("TopicID"), query.textField("Name")});
    query.finalize();
    return items;
}
