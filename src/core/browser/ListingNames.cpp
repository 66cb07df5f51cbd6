#include "core/browser/ListingNames.h"

#include "core/store/SqlDatabase.h"
#include "core/store/SqlQuery.h"

namespace {

// The per-entry statements compare an id column with a quoted text: only text values that
// hold no zero byte can ever equal one.
constexpr const char* kTopicNames =
    // Entry2Topic first, as the one-entry statement's plan runs it, so each entry's names come
    // in the same order.
    "SELECT Entry2Topic.EntryID, Topic.Name FROM Entry2Topic CROSS JOIN Topic WHERE "
    "Topic.TopicID = Entry2Topic.TopicID AND typeof(Entry2Topic.EntryID) = 'text' AND "
    "instr(Entry2Topic.EntryID, char(0)) = 0";
// In table order: the one-folder statement takes the first row that matches.
constexpr const char* kFolderNames =
    "SELECT FolderID, Name FROM Folder WHERE typeof(FolderID) = 'text' AND "
    "instr(FolderID, char(0)) = 0";

const std::string kNoTopics;
const std::string kNoFolder = "(None)";

} // namespace

ListingNames ListingNames::Read(SqlDatabase& db) {
    ListingNames names;
    SqlQuery topics = db.query(kTopicNames);
    for (; !topics.eof(); topics.nextRow()) {
        // A name may be empty: the separator goes by position, as in the one-entry join.
        const auto [it, first] = names.m_topics.try_emplace(topics.textField(0));
        if (!first)
            it->second += ", ";
        it->second += topics.textField(1);
    }
    topics.finalize();

    SqlQuery folders = db.query(kFolderNames);
    for (; !folders.eof(); folders.nextRow())
        names.m_folders.try_emplace(folders.textField(0), folders.textField(1));
    folders.finalize();
    return names;
}

const std::string& ListingNames::TopicsText(const std::string& entryId) const {
    const auto it = m_topics.find(entryId);
    return it == m_topics.end() ? kNoTopics : it->second;
}

const std::string& ListingNames::FolderName(const std::string& folderId) const {
    const auto it = m_folders.find(folderId);
    return it == m_folders.end() ? kNoFolder : it->second;
}
