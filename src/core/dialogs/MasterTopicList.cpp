#include "core/dialogs/MasterTopicList.h"

#include "core/browser/BrowserMessages.h"
#include "core/dialogs/TopicNameOrder.h"
#include "core/session/CQBKDoc.h"
#include "core/session/JournalUi.h"
#include "core/session/Panes.h"
#include "core/store/SqlQuery.h"
#include "core/store/TopicTable.h"

#include <algorithm>
#include <new>

namespace {

const std::string& nameOf(const TopicItem& item) {
    return item.name;
}

} // namespace

MasterTopicList::MasterTopicList(CQBKDoc& doc, JournalUi& ui) : m_doc(doc), m_ui(ui) {}

void MasterTopicList::Select(int index) {
    m_selected = IsIndex(index) ? index : -1;
}

void MasterTopicList::Fill() {
    m_items.clear();
    try {
        SqlQuery query = TopicTable(m_doc.Reader().Db()).All();
        for (; !query.eof(); query.nextRow())
            m_items.push_back(TopicItem{query.textField("TopicID"), query.textField("Name")});
        query.finalize();
    } catch (const CppSQLite3Exception& e) {
        m_doc.ShowDatabaseError(e);
    } catch (const std::bad_alloc&) {
        // Out of memory: the list keeps what it has; a message could not be shown either.
    }
    SortByTopicName(m_items, nameOf);
    m_selected = m_items.empty() ? -1 : 0;
}

int MasterTopicList::Insert(TopicItem item) {
    const std::size_t at = TopicNamePosition(m_items, item.name, nameOf);
    m_items.insert(m_items.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
    m_selected = static_cast<int>(at);
    return m_selected;
}

int MasterTopicList::Add() {
    const std::string id = CQBKDoc::NewId();
    try {
        TopicTable(m_doc.Reader().Db()).Insert(id, kNewTopicName);
    } catch (const CppSQLite3Exception& e) {
        m_doc.ShowDatabaseError(e);
        return -1;
    }
    return Insert(TopicItem{id, kNewTopicName});
}

void MasterTopicList::DeleteSelected() {
    if (!IsIndex(m_selected) ||
        !m_ui.askYesNo(BrowserMessages::Text(BrowserMessages::kConfirmTopicDelete)))
        return;
    const int deleted = m_selected;
    m_doc.DeleteTopic(m_items[static_cast<std::size_t>(deleted)].id);
    m_items.erase(m_items.begin() + deleted);
    const int count = static_cast<int>(m_items.size());
    m_selected = count == 0 ? -1 : std::min(deleted, count - 1);
}

int MasterTopicList::Rename(int index, const std::string& name) {
    if (!IsIndex(index))
        return -1;
    TopicItem item = m_items[static_cast<std::size_t>(index)];
    if (name.empty() || name == item.name)
        return index;
    m_items.erase(m_items.begin() + index);
    item.name = name;
    const int at = Insert(item);
    m_doc.RenameTopic(item.id, item.name);
    return at;
}

void MasterTopicList::Finish() {
    if (m_doc.TopicList())
        m_doc.TopicList()->LoadTopics();
    m_doc.RefreshEntryList();
}
