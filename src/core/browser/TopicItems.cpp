#include "core/browser/TopicItems.h"

#include "core/store/SqlDatabase.h"
#include "core/store/SqlQuery.h"

std::vector<TopicItem> LoadTopicItems(SqlDatabase& db) {
    std::vector<TopicItem> items;
    SqlQuery query = db.query("SELECT * FROM Topic");
    for (; !query.eof(); query.nextRow())
        items.push_back(TopicItem{query.textField("TopicID"), query.textField("Name")});
    query.finalize();
    return items;
}
