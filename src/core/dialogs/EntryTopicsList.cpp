#include "core/dialogs/EntryTopicsList.h"

#include "core/dialogs/TopicNameOrder.h"
#include "core/session/JournalUi.h"
#include "core/store/CppSQLite3Exception.h"
#include "core/store/JournalMessages.h"
#include "core/store/QuotedIdList.h"
#include "core/store/SqlQuery.h"
#include "core/store/SqlTransaction.h"
#include "core/store/TopicLinks.h"

#include <algorithm>
#include <map>
#include <new>
#include <utility>

namespace {

std::string withoutTrailingBlanks(std::string text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' ||
                             text.back() == '\n' || text.back() == '\v' || text.back() == '\f'))
        text.pop_back();
    return text;
}

const std::string& nameOf(const TickedTopic& item) {
    return item.topic.name;
}

} // namespace

EntryTopicsList::EntryTopicsList(SqlDatabase& db, JournalUi& ui, const std::string& entryId,
                                 const std::string& presetIds)
    : m_db(db), m_ui(ui), m_entryId(withoutTrailingBlanks(entryId)),
      m_presetIds(ParseQuotedIdList(presetIds)) {}

void EntryTopicsList::SetTicked(std::size_t index, bool ticked) {
    if (index < m_items.size())
        m_items[index].ticked = ticked;
}

void EntryTopicsList::TickAll(bool ticked) {
    for (TickedTopic& item : m_items)
        item.ticked = ticked;
}

void EntryTopicsList::Fill() {
    m_items.clear();
    // Rows of one topic (a link stored twice, say) make one item.
    std::map<std::string, std::size_t> indexOfId;
    try {
        SqlQuery query = TopicLinks(m_db).TopicsMarkedFor(m_entryId);
        // Both tables have a TopicID column; the name finds the first, Topic's.
        for (; !query.eof(); query.nextRow()) {
            TopicItem topic{query.textField("TopicID"), query.textField("Name")};
            const bool ticked = IsEntryMode() ? !query.isNull("EntryID")
                                              : std::find(m_presetIds.begin(), m_presetIds.end(),
                                                          topic.id) != m_presetIds.end();
            const auto [at, added] = indexOfId.emplace(topic.id, m_items.size());
            if (added)
                m_items.push_back(TickedTopic{std::move(topic), ticked});
            else
                m_items[at->second].ticked = m_items[at->second].ticked || ticked;
        }
        query.finalize();
    } catch (const CppSQLite3Exception& e) {
        m_ui.showFailure(JournalMessages::DatabaseFailure(e.code(), {}), e.message());
    } catch (const std::bad_alloc&) {
        // Out of memory: the list keeps what it has; a message could not be shown either.
    }
    SortByTopicName(m_items, nameOf);
}

void EntryTopicsList::RefreshKeepingTicks() {
    // Remembered by id and name: a renamed topic counts as new, and two topics that share a
    // name keep their own ticks.
    std::map<std::pair<std::string, std::string>, bool> remembered;
    for (const TickedTopic& item : m_items)
        remembered[{item.topic.id, item.topic.name}] = item.ticked;
    Fill();
    for (TickedTopic& item : m_items) {
        const auto found = remembered.find({item.topic.id, item.topic.name});
        item.ticked = found != remembered.end() && found->second;
    }
}

bool EntryTopicsList::Accept(TopicChoiceValues* choice) {
    if (IsEntryMode())
        return StoreLinks();
    if (choice)
        *choice = Choice();
    return true;
}

TopicChoiceValues EntryTopicsList::Choice() const {
    TopicChoiceValues values;
    for (const TickedTopic& item : m_items) {
        if (!item.ticked)
            continue;
        ++values.m_chosenCount;
        AppendQuotedId(values.m_chosenIds, item.topic.id);
        if (!values.m_chosenNames.empty())
            values.m_chosenNames += ", ";
        values.m_chosenNames += item.topic.name;
    }
    return values;
}

bool EntryTopicsList::StoreLinks() {
    try {
        // All or nothing: a failure part way must not leave the entry without its links.
        SqlTransaction transaction(m_db);
        TopicLinks links(m_db);
        links.RemoveAllOf(m_entryId);
        for (const TickedTopic& item : m_items) {
            if (item.ticked)
                links.Add(m_entryId, item.topic.id);
        }
        transaction.commit();
        return true;
    } catch (const CppSQLite3Exception& e) {
        m_ui.showFailure(JournalMessages::DatabaseFailure(e.code(), {}), e.message());
        return false;
    }
}
