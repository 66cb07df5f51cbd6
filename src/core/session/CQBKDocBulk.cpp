// Operations of the journal session on a selection of entries: each one transaction.
#include "core/session/CQBKDoc.h"
#include "core/session/Panes.h"
#include "core/store/EntryTable.h"
#include "core/store/JournalMessages.h"
#include "core/store/QuotedIdList.h"
#include "core/store/SqlTransaction.h"
#include "core/store/TopicLinks.h"
#include "core/store/TopicTable.h"

#include <set>

bool CQBKDoc::WriteEveryEntry(
    const std::vector<std::string>& ids,
    const std::function<int(const std::string& id, const std::string& where)>& write,
    const char* goneMessage) {
    bool allThere = true;
    const bool ran = Reported([&] {
        SqlTransaction transaction(m_db, "BEGIN IMMEDIATE");
        std::set<std::string> done; // an id named twice is written once
        for (const std::string& id : ids) {
            if (!done.insert(id).second)
                continue;
            if (write(id, EntryRowsWhere(id)) == 0) {
                allThere = false;
                return; // the transaction rolls back
            }
        }
        transaction.commit();
    });
    if (ran && !allThere)
        ReportRowGone(goneMessage);
    return ran && allThere;
}

bool CQBKDoc::DeleteEntries(const std::vector<std::string>& ids) {
    if (!IsJournalOpen() || ids.empty())
        return false;
    RefreshIfChangedElsewhere();
    return WriteEveryEntry(
        ids,
        [&](const std::string&, const std::string& where) {
            return EntryTable(m_db).Delete(where);
        },
        JournalMessages::kEntryGone);
}

bool CQBKDoc::MoveEntries(const std::vector<std::string>& ids, const std::string& folderId) {
    if (!IsJournalOpen() || ids.empty())
        return false;
    RefreshIfChangedElsewhere();
    if (!FolderStillThere(folderId, JournalMessages::kDropFolderGone))
        return false;
    return WriteEveryEntry(
        ids,
        [&](const std::string&, const std::string& where) {
            return EntryTable(m_db).MoveTo(where, folderId);
        },
        JournalMessages::kEntryGone);
}

bool CQBKDoc::ChangeEntriesTopics(const std::vector<std::string>& ids,
                                  const std::vector<std::string>& added,
                                  const std::vector<std::string>& removed) {
    if (!IsJournalOpen() || ids.empty())
        return false;
    RefreshIfChangedElsewhere();
    // A topic deleted meanwhile must not gain links that no listing shows.
    bool topicsThere = true;
    if (!Reported([&] {
            for (const std::string& topic : added)
                topicsThere = topicsThere && TopicTable(m_db).Exists(topic);
        }))
        return false;
    if (!topicsThere) {
        ReportRowGone(JournalMessages::kTopicGone);
        return false;
    }
    return WriteEveryEntry(
        ids,
        [&](const std::string& id, const std::string&) {
            if (!EntryTable(m_db).Exists(id))
                return 0;
            TopicLinks links(m_db);
            // Unlinked first, so an entry that carried a topic already carries it once.
            for (const std::string& topic : removed)
                links.Remove(id, topic);
            for (const std::string& topic : added) {
                links.Remove(id, topic);
                links.Add(id, topic);
            }
            return 1;
        },
        JournalMessages::kEntryGone);
}

std::optional<std::vector<std::string>> CQBKDoc::TopicsOfAll(const std::vector<std::string>& ids) {
    if (!IsJournalOpen())
        return std::nullopt;
    const std::set<std::string> distinct(ids.begin(), ids.end());
    std::vector<std::string> topics;
    const bool read = Reported([&] {
        SqlQuery query = TopicLinks(m_db).TopicsOfAll(
            QuotedIdList({distinct.begin(), distinct.end()}), static_cast<int>(distinct.size()));
        for (; !query.eof(); query.nextRow())
            topics.push_back(query.textField(0));
        query.finalize();
    });
    if (!read)
        return std::nullopt;
    return topics;
}

std::vector<std::string> CQBKDoc::SelectedEntryIds() const {
    return m_pEntryList ? m_pEntryList->SelectedEntryIds() : std::vector<std::string>{};
}
